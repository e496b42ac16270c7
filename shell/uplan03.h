#pragma once
// The choice of the entry at which a plan run starts (button menu).
#include "platform/form.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

class Tplan03 : public Form {
    Q_OBJECT
public:
    static Tplan03& instanz();

    QFrame* Panel1;
    QLabel* Label1;
    QListWidget* ListBox1;
    QPushButton* Button1;

protected:
    void FormShow() override;

private:
    Tplan03();
    void Button1Click();
};
