#pragma once
// The typed-number exercises with levels: "Zahlen tippen" and its members
// "Zählen", "Zahlwort", the two "Grundrechenarten" and "Rechenketten". A task
// is shown, the answer typed and judged with Enter, "weiter" brings the next;
// every fourth (in "Zahlwort" fifth) right answer raises the level.
#include "exercises/shared/antwortfenster.h"
#include "exercises/numbers/zahlaufgaben.h"
#include "exercises/shared/dezimalantwort.h"

#include <optional>
#include <vector>

class Malflaeche;
class QLabel;
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

class Tzah01 : public Antwortfenster {
    Q_OBJECT
public:
    explicit Tzah01(const Zahlart& art);

    // The members of the family, one row each.
    static const std::vector<Zahlart>& mitglieder();

    QLabel* ausgabe = nullptr;       // Zahl, Zahlwort
    QTextEdit* ausgabeMemo = nullptr;  // Kette (its object name is "ausgabe" too)
    Malflaeche* pb = nullptr;        // Brett

private:
    void anordnen() override;
    void vorbereiten() override;
    void naechsteAufgabe() override;
    void leereAnzeige() override;
    void pruefe() override;
    bool eingabeKeyPress(int zeichen) override;
    void bewerte(bool richtig);
    void aufbau();
    void zeigeText(const QString& text);
    int zellengroesse() const;

    const Zahlart& m_art;
    std::optional<Dezimalantwort> m_dezimal;  // Kette only
    Zahlwortflags m_benutzt{};
    Zahlaufgabe m_aufgabe;
    int m_level = 0;
    int m_richtig = 0;  // right answers since the last level step
};
