#pragma once
// The key events of one control, handed to its window's handlers before the
// control sees them (an answer field's key-press filter and its key-up handler).
// Both run through the error box.
#include <QObject>
#include <functional>

class QKeyEvent;

class Tastenhaken : public QObject {
public:
    // druck returns true when it consumed the key (the control does not see it).
    Tastenhaken(QObject* ziel, std::function<bool(QKeyEvent*)> druck, std::function<void(QKeyEvent*)> los);

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override;

private:
    std::function<bool(QKeyEvent*)> m_druck;
    std::function<void(QKeyEvent*)> m_los;
};
