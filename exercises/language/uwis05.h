#pragma once
// The hint ladder: "Wortschatz" and its members "Satzende" and "Punktequiz".
// A run reads 20 clues with their answers; five attempts per clue, each miss
// but the last brings a stronger hint, a right answer earns 100 down to 20.
#include "exercises/language/leiter.h"
#include "exercises/shared/antwortfenster.h"

#include <vector>

class QTextEdit;

// What a member of the family is: one row each.
struct Leiterart {
    int programm;
    QString klasse;
    QString titel;
    QString datei;
    int saetze;         // records drawn from: the file holds at least as many
    bool punkte;        // "..." after the clue: the beginning of a sentence
};

class Twis05 : public Antwortfenster {
    Q_OBJECT
public:
    static constexpr int kAufgaben = 20;

    explicit Twis05(const Leiterart& art);

    static const std::vector<Leiterart>& mitglieder();

    QTextEdit* ausgabe;
    QTextEdit* hilfe;

    // Read by tests.
    float punkte() const { return m_lauf.punkte; }
    int versuch() const { return m_versuch; }

private:
    void anordnen() override;
    void vorbereiten() override;
    void naechsteAufgabe() override;
    void leereAnzeige() override;
    void pruefe() override;
    bool eingabeKeyPress(int zeichen) override;

    const Leiterart& m_art;
    std::vector<leiter::Eintrag> m_eintraege;  // the run's clues, in draw order
    int m_versuch = 0;
};
