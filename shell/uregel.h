#pragma once
// The rules window: the rules of the exercise about to start, under its short name.
#include "platform/form.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

class Tregel : public Form {
    Q_OBJECT
public:
    static Tregel& instanz();

    QLabel* Label1;
    QTextEdit* Memo1;
    QPushButton* cmd1;
    // The lines shown, exactly as written.
    QStringList zeilen() const { return m_zeilen; }

protected:
    void FormShow() override;
    void FormActivate() override;

private:
    Tregel();
    void FormCreate();
    QStringList m_zeilen;
};
