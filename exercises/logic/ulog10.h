#pragma once
// "Zahlen raten" (Tlog10, program 102, three games) and "Pferderennen" (Tson09,
// program 104, two games): a hidden solution found by at most 12 guesses with
// feedback, scored by games. One window class, the two members as rows.
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

#include <QString>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QTextEdit;

struct Ratart {
    int programm;
    QString klasse;
    QString titel;
    int spiele;
    int memoHoehe;  // font height of the memo
    bool pferde;    // letters "A" to "E"; else the numbers 1..200
};

class Tlog10 : public Form {
    Q_OBJECT
public:
    static const std::vector<Ratart>& mitglieder();
    static const Ratart& mitglied(int programm);

    explicit Tlog10(const Ratart& art);

    // Read by tests.
    const QString& loesung() const { return m_loesung; }
    int versuche() const { return m_versuche; }
    int spiel() const { return m_spiel; }
    float punkte() const { return m_lauf.punkte; }
    bool laeuft() const { return m_lauf.laeuft(); }

    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* eingabe = nullptr;
    QTextEdit* memo = nullptr;

protected:
    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void FormCreate();
    bool eingabeKeyPress(int zeichen);
    void eingabeKeyUp(int taste);
    void neueLoesung();
    void rateZahl(const QString& text);
    void ratePferde(const QString& text);
    void spielEnde(float spielpunkte);

    const Ratart& m_art;
    Uebungslauf m_lauf;
    QString m_loesung;
    int m_versuche = 0;
    int m_spiel = 0;
};
