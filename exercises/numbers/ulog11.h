#pragma once
// "Sterne": starts when the window is shown. A guess is typed and judged on
// Enter; the memo lists the round's guesses with their stars. Three rounds,
// then the result. No Esc key: the window is left through its close box.
#include "exercises/numbers/sterne.h"
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

class QFrame;
class QLabel;
class QLineEdit;
class QTextEdit;

class Tlog11 : public Form {
    Q_OBJECT
public:
    static constexpr int kProgramm = 22;

    Tlog11();

    QFrame* Panel1;
    QLabel* Label1;
    QLineEdit* eingabe;
    QTextEdit* memo;

    const Sternespiel& spiel() const { return m_spiel; }
    bool laeuft() const { return m_lauf.laeuft(); }

protected:
    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;

private:
    bool eingabeKeyPress(int zeichen) const;
    void eingabeKeyUp(int taste);
    void neueRunde();

    Sternespiel m_spiel;
    Uebungslauf m_lauf;
};
