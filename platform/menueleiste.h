#pragma once
// A menu bar worked from the keyboard as a Windows menu bar is: F10, or Alt
// pressed and released alone, puts the focus on the first menu title (drawn
// marked); Left and Right move between the titles, Down or Enter opens a menu,
// Esc leaves. The captions stay as written: no letters are marked in them.
#include <QMenuBar>

class Menueleiste : public QMenuBar {
    Q_OBJECT
public:
    explicit Menueleiste(QWidget* parent);

    // F10: the focus to the first title, or away from the bar again.
    void tastaturmodus();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
};
