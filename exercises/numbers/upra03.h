#pragma once
// The text tasks of "Mathematik": "Zweisatz" and its members (the two
// "Textaufgaben", "Zahlenrätsel", "Dreisatz", "Bruchrechnung", "Geometrie").
// A run draws its tasks from a content file without repetition; the answer is
// a decimal number, judged with Enter against the stored solution.
#include "exercises/shared/antwortfenster.h"
#include "exercises/shared/dezimalantwort.h"

#include <QStringList>
#include <vector>

class QTextEdit;

// What a member of the family is: one row each.
struct Textart {
    int programm;
    QString klasse;  // the member's own name
    QString titel;
    QString datei;
    int kapazitaet;   // characters per record; the question has 5 fewer
    int saetze;       // records the file must hold, all of them drawn from
    int aufgaben;     // tasks per run
    int zeitteiler;   // the elapsed seconds divided by this come off the points
    bool hellesMemo;  // the question on the 3-D light colour, not the scroll-bar colour
};

class Tpra03 : public Antwortfenster {
    Q_OBJECT
public:
    explicit Tpra03(const Textart& art);

    static const std::vector<Textart>& mitglieder();

    QTextEdit* ausgabe;

private:
    void anordnen() override;
    void vorbereiten() override;
    void naechsteAufgabe() override;
    void leereAnzeige() override;
    void pruefe() override;
    bool eingabeKeyPress(int zeichen) override;

    const Textart& m_art;
    Dezimalantwort m_antwort;
    QStringList m_gezogen;  // the records of the run, in draw order
    TTextaufgabe m_aufgabe;
    float m_loesung = 0.0f;
};
