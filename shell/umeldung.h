#pragma once
// The message window: the end of every exercise and the plan question.
#include "platform/form.h"

#include <QLabel>
#include <QPushButton>

class TForm3 : public Form {
    Q_OBJECT
public:
    static TForm3& instanz();

    QLabel* Panel1;
    QPushButton* Button1;
    QPushButton* Button2;

protected:
    void FormShow() override;

private:
    TForm3();
    void Button1Click();
    void Button2Click();
};

// meldemodus := modus; shows the window modally; the answer is in meldemodus
// (1 "O.K.", 2 "NEIN"; the mode it was shown with if it was closed another way).
void zeigemeldung(int modus);
