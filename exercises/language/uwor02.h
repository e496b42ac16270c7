#pragma once
// The typed word exercises: "Tippen" (Twor02), "Lesen" (Tkon02), "Ergänzen"
// (Tdeu02), "Worthöhle" (Twor04), "Vokale fehlen" (Twor03), "Anagramme"
// (Tdeu03) and "Auswahl" (Tdeu05). One window; its member row says what differs.
// A run has 20 tasks: a task is shown in two boxes, the typed answer is judged
// at once, "weiter" moves on.
#include "exercises/language/wortmitglieder.h"
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <optional>

class Twor02 : public Form {
    Q_OBJECT
public:
    explicit Twor02(const Wortmitglied& mitglied, QWidget* parent = nullptr);

    const Wortmitglied& mitglied() const { return m_mitglied; }
    // The task on show (tests and screenshots read it).
    const Wortaufgabe& aktuelleAufgabe() const { return m_aufgabe; }

    QPushButton* start;
    QTextEdit* ausgabe;
    QTextEdit* Memo = nullptr;       // not in "Tippen"
    QLineEdit* eingabe = nullptr;    // not in "Ergänzen": its window takes the keys
    QLabel* rifa;
    QPushButton* weiter;
    QLabel* aufzahl;
    QTimer* Timer1 = nullptr;        // "Lesen" only

    // A tick of Timer1: the next letter of the word, or nothing after the last.
    void Timer1Timer();

protected:
    void FormShow() override;
    void FormClose() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;

private:
    void FormCreate();
    void startClick();
    void aufgabe();
    void zeigeAufgabe();
    bool eingabeKeyPress(QKeyEvent* e);
    void eingabeKeyUp(QKeyEvent* e);
    void urteile(bool richtig);
    void weiterClick();
    void setzeAusgabeRot(bool rot);

    const Wortmitglied& m_mitglied;
    Uebungslauf m_lauf;
    QStringList m_tabelle;
    std::vector<bool> m_benutzt;
    Wortaufgabe m_aufgabe;
    int m_zaehler = 0;
    bool m_offen = false;   // a task waits for its answer
    int m_buchstabe = 0;    // "Lesen": the letter shown last
    std::optional<wortaufgaben::Lueckenwort> m_luecken;  // "Ergänzen"
    bool m_hilfe = false;                                // "Ergänzen": "+" was pressed
};
