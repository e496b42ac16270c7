#pragma once
// The version window, the first of the two information windows.
#include "platform/form.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

class Tinf01 : public Form {
    Q_OBJECT
public:
    static Tinf01& instanz();

    QFrame* Panel1;
    QLabel* lbl1inf01;
    QLabel* lbl2inf01;
    QLabel* Label1;
    QPushButton* cmd1inf01;
    QPlainTextEdit* Memo1;

private:
    Tinf01();
    void FormCreate();
};
