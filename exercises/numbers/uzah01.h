#pragma once
// The typed-number exercises with levels: "Zahlen tippen" and its members
// "Zählen", "Zahlwort", the two "Grundrechenarten" and "Rechenketten". A task
// is shown, the answer typed and judged with Enter, "weiter" brings the next;
// every fourth (in "Zahlwort" fifth) right answer raises the level.
#include "exercises/numbers/zahlaufgaben.h"
#include "exercises/shared/dezimalantwort.h"
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

#include <optional>
#include <vector>

class Malflaeche;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

// What a member of the family is: one row each.
struct Zahlart {
    enum class Anzeige {
        Zahl,      // the task in a large label on the silver panel
        Zahlwort,  // a wide yellow label, no panel
        Brett,     // the 6 x 6 board of marked cells
        Kette,     // a memo on the silver panel; decimal answers
    };
    int programm;
    QString klasse;  // the member's own name
    QString titel;
    int startlevel;
    int schritt;     // right answers per level step
    Anzeige anzeige;
    Zahlaufgabe (*aufgabe)(int level, Zahlwortflags& benutzt);
};

class Tzah01 : public Form {
    Q_OBJECT
public:
    explicit Tzah01(const Zahlart& art);

    // The members of the family, one row each.
    static const std::vector<Zahlart>& mitglieder();

    QPushButton* start;
    QLabel* ausgabe = nullptr;       // Zahl, Zahlwort
    QTextEdit* ausgabeMemo = nullptr;  // Kette (its object name is "ausgabe" too)
    Malflaeche* pb = nullptr;        // Brett
    QLineEdit* eingabe;
    QLabel* rifa;
    QPushButton* weiter;
    QLabel* aufzahl;

protected:
    void FormShow() override;
    void FormClose() override;

private:
    void anordnen();
    void startClick();
    bool eingabeKeyPress(int zeichen);
    void eingabeKeyUp(int taste);
    void weiterClick();
    void naechsteAufgabe();
    void aufbau();
    void urteile(bool richtig);
    void zeigeText(const QString& text);
    int zellengroesse() const;

    const Zahlart& m_art;
    Uebungslauf m_lauf;
    std::optional<Dezimalantwort> m_dezimal;  // Kette only
    Zahlwortflags m_benutzt{};
    Zahlaufgabe m_aufgabe;
    int m_k = 0;       // task counter
    int m_level = 0;
    int m_richtig = 0;  // right answers since the last level step
    bool m_offen = false;  // a task waits for its answer
};
