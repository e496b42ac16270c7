#pragma once
// The hint ladder of "Wortschatz", "Satzende" and "Punktequiz": a clue asks for
// one word; each of the first four misses brings a stronger hint, the fifth
// shows the word. Records, upper-casing, hints and judging, without a window.
#include <QString>

namespace leiter {

constexpr int kKapazitaet = 90;    // characters of a record
constexpr int kHinweislaenge = 70; // the clue: characters 1-70, the answer after it
constexpr int kFeldlaenge = 20;    // the answer field, and the longest answer judged
constexpr int kVersuche = 5;

struct Eintrag {
    QString hinweis;  // without trailing blanks, upper case
    QString antwort;  // without trailing blanks, upper case; empty for a short record
};

// a to z and ä, ö, ü to capitals; everything else (ß too) stays.
QString gross(const QString& text);

// One record's text: the clue in characters 1-70, the answer in 71-90.
Eintrag lies(const QString& satz);

// What the answer field takes of a typed character: the capital of a letter
// (umlauts and ß included), Backspace, Enter and Esc as they are; 0 drops it.
int feldzeichen(int zeichen);

// Enter judges a field of 1 to 20 characters.
bool beurteilbar(const QString& text);
bool richtig(const QString& getippt, const QString& antwort);
// The points of a right answer at attempt 1 to 5: 100, 80, 60, 40, 20.
float gewinn(int versuch);

// The hint after the miss at attempt 1 to 4; random numbers from zufall::r().
QString hilfe(int versuch, const QString& antwort);
// Hint 3: the answer's letters moved in rounds of ten until they differ from
// it. An answer of one repeated letter (or none) cannot differ and comes back
// as it is.
QString vermischt(const QString& antwort);
// Hint 4: the answer among random capitals, 18 characters in all; from 18
// letters on just the answer.
QString versteckt(const QString& antwort);

}
