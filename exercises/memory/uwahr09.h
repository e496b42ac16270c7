#pragma once
// "Alphakett" and its member "Musterband": a line of letters is read and one
// letter typed. 20 tasks; the line grows by one letter after every second
// right answer, and that count carries over from one run to the next.
#include "exercises/memory/buchstabenzeilen.h"
#include "exercises/shared/antwortfenster.h"

#include <vector>

class QLabel;

// What a member is: one row each.
struct Zeilenart {
    int programm;
    QString klasse;
    QString titel;
    // Makes a task: the contents of aus1 and aus2 and the answer.
    zeilen::Aufgabe (*aufgabe)(int laenge);
};

class Twahr09 : public Antwortfenster {
    Q_OBJECT
public:
    explicit Twahr09(const Zeilenart& art);

    static const std::vector<Zeilenart>& mitglieder();

    QLabel* aus1;
    QLabel* aus2;

private:
    void anordnen() override;
    void vorbereiten() override;
    void naechsteAufgabe() override;
    void leereAnzeige() override;
    void pruefe() override;
    bool eingabeKeyPress(int zeichen) override;

    const Zeilenart& m_art;
    zeilen::Aufgabe m_aufgabe;
    int m_laenge = zeilen::kStartlaenge;
    int m_zaehler = 0;  // right answers towards the next step; set here only
};
