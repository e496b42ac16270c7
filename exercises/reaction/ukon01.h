#pragma once
// The grid quizzes: "Doppelbuch", "Ziff in Buch", "Unterschiede", "Ziffer
// fehlt", "Buchsort", "Ziffsort" and "Ziffernsumme". A puzzle on a 6 x 6 grid
// (in "Unterschiede" two rows of letters), one typed answer per task.
#include "exercises/reaction/gitterquiz.h"
#include "exercises/shared/antwortfenster.h"

#include <QColor>
#include <vector>

class Malflaeche;

// What a member of the family is: one row each.
struct Gitterart {
    int programm;
    QString klasse;  // the member's own name
    QString titel;
    int aufgaben;
    bool zeilen;         // the two yellow rows aus1 and aus2 in place of the grid
    QColor gitterfarbe;  // of the grid
    gitterquiz::Zeichenklasse zeichen;
    int laenge;  // of the answer field
    bool zahl;   // the answer is read as a whole number, else compared as text
    gitterquiz::Aufgabe (*aufgabe)(int stufe);
    gitterquiz::Stufenregel regel;
};

class Tkon01 : public Antwortfenster {
    Q_OBJECT
public:
    explicit Tkon01(const Gitterart& art);

    // The members of the family, one row each.
    static const std::vector<Gitterart>& mitglieder();

    Malflaeche* pb = nullptr;  // the grid
    QLabel* aus1 = nullptr;    // "Unterschiede": the changed row
    QLabel* aus2 = nullptr;    // and the unchanged one

    // Read by tests and the bench.
    const gitterquiz::Aufgabe& aufgabe() const { return m_aufgabe; }
    int zelle() const;  // the side of a cell on pb
    // Draws the current task on the grid.
    void aufbau();

protected:
    void FormActivate() override;
    void FormClose() override;

private:
    void anordnen() override;
    void vorbereiten() override;
    void naechsteAufgabe() override;
    void leereAnzeige() override;
    void pruefe() override;
    bool eingabeKeyPress(int zeichen) override;

    const Gitterart& m_art;
    gitterquiz::Aufgabe m_aufgabe;
    int m_richtige = 0;  // right answers of the run
};
