#pragma once
// The choice of the plan to run ("Plan aufrufen").
#include "platform/form.h"

#include <QFrame>
#include <QListWidget>
#include <QPushButton>

class Tplan01 : public Form {
    Q_OBJECT
public:
    static Tplan01& instanz();

    QFrame* panel;
    QListWidget* ListBox1;
    QPushButton* Button1;
    QPushButton* Button2;

protected:
    void FormShow() override;

private:
    Tplan01();
    void FormCreate();
    void Button1Click();
    void Button2Click();
};
