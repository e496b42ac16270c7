#pragma once
// The product window, the second of the two information windows.
#include "platform/form.h"

#include <QPlainTextEdit>
#include <QPushButton>

class Tinf02 : public Form {
    Q_OBJECT
public:
    static Tinf02& instanz();

    QPlainTextEdit* mem1inf02;
    QPushButton* cmd1inf02;

protected:
    void FormShow() override;

private:
    Tinf02();
    void FormCreate();
};
