#pragma once
// The memory chains: the makers of the five kinds of item (a letter chain with
// five lines to choose from, a letter chain, a digit chain, a letter code of
// digits, a digit code of a word) and the rule that lengthens or shortens the
// item after two answers more right than wrong, or the other way round.
#include <QString>
#include <vector>

namespace ketten {

constexpr int kHoechstlaenge = 8;

// The item's length L and the balance of right (+1) and wrong (-1) answers.
struct Stufe {
    int laenge = 3;
    int bilanz = 0;
};

// One answer: at a balance of +2 the item grows by one (up to 8), at -2 it
// shrinks by one (down to minimum); either way the balance starts again at 0.
void schritt(Stufe& s, bool richtig, int minimum);

// A task: what the display shows first, what it shows after the item is
// hidden (empty: nothing), and the answer as text.
struct Aufgabe {
    QString zuerst;
    QString danach;
    QString loesung;
};

// The first 150 words of the word list, which of them a run of the program
// has offered, and the right answers of the current run.
struct Wortvorrat {
    std::vector<QString> woerter;
    std::vector<bool> benutzt;
    int richtige = 0;  // R
};

// L letters A to Z; five lines, of which only line t (the solution, "1".."5")
// still equals the chain. Shown first alone, then the lines "1)  " + line.
Aufgabe zeilen(int laenge, Wortvorrat&);
// L letters A to Z; the solution is the chain.
Aufgabe buchstaben(int laenge, Wortvorrat&);
// L digits 0 to 9; the solution is the chain.
Aufgabe ziffern(int laenge, Wortvorrat&);
// L digits as the letters of a key of ten, each letter followed by a blank;
// then the key under the digits 0 to 9.
Aufgabe schluessel(int laenge, Wortvorrat&);
// A word in capitals as a string of digits; then the key under the digits.
// Marks the word used; throws a German message when no word fits at all.
Aufgabe wortschluessel(int, Wortvorrat& vorrat);

// The longest word offered after r right answers: 5, from 6 on 6, from 11 on 8.
int groessteLaenge(int r);
// The word in capitals (a to z only), or an empty text when it holds anything
// but letters A to Z, so that every letter has its place among 26.
QString grossAZ(const QString& wort);

}
