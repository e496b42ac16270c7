#pragma once
// "Wörter angeln" (Tdeu09): ten numbered clues above, a pond of 12 x 5 letters
// below in which their five-letter answers lie, one letter per row. The user
// types a clue's number, then its answer; found letters turn red. A run ends
// when all ten clues are solved.
#include "exercises/language/angeln.h"
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

class Malflaeche;
class QLabel;
class QLineEdit;
class QPushButton;

class Tdeu09 : public Form {
    Q_OBJECT
public:
    static constexpr int kProgramm = 53;

    explicit Tdeu09(QWidget* parent = nullptr);

    // Read by tests and screenshots.
    const Angelspiel& spiel() const { return m_spiel; }
    bool laeuft() const { return m_lauf.laeuft(); }
    // The top left corner of a pond cell on pb2.
    QPoint zellenEcke(int spalte, int zeile) const;
    // Where the answer of clue i is written on pb1.
    QPoint antwortStelle(int i) const;

    QPushButton* start = nullptr;
    Malflaeche* pb1;
    Malflaeche* pb2;
    QLineEdit* eingabe;
    QLabel* hinweis;
    QPushButton* hilfe;

protected:
    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void FormCreate();
    void startClick();
    void aufbau();
    bool eingabeKeyPress(int zeichen);
    void eingabeKeyUp(int taste);
    void nummer(const QString& text);
    void loesung(const QString& text);
    void hilfeClick();
    void frageNummer();

    void zeichneZeile(int i);  // number, clue, dots or answer, help letters
    void zeichneLinien();
    void zeichneTeich();

    Angelspiel m_spiel;
    Uebungslauf m_lauf;
    // the drawing units: a hundredth of pb1, a hundred-twentieth of pb2
    float m_ex1 = 0, m_ey1 = 0, m_ex2 = 0, m_ey2 = 0;
};
