#pragma once
// Entering a new user.
#include "platform/form.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

class Tnut02 : public Form {
    Q_OBJECT
public:
    static Tnut02& instanz();

    QFrame* Panel1;
    QLabel* lbl1nut02;
    QLineEdit* edi1nut02;

    // Enter in the field: the name is entered unless it is there already.
    void eintragen();

protected:
    void FormActivate() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;
    bool eventFilter(QObject* ziel, QEvent* e) override;

private:
    Tnut02();
};
