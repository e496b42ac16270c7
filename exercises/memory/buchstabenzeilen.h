#pragma once
// The tasks of "Alphakett" and "Musterband": lines of letters drawn from the
// random numbers, and the letter that answers them. Plain functions, so a test
// can call them with scripted numbers.
#include <QChar>
#include <QList>
#include <QString>
#include <optional>

namespace zeilen {

constexpr int kStartlaenge = 6;
constexpr int kHoechstlaenge = 26;  // no line can hold more different letters

struct Aufgabe {
    QString aus1;  // the upper label
    QString aus2;  // the lower label
    QChar loesung;
};

// Alphakett: aus1 the alphabet, aus2 a row of laenge letters holding exactly
// one run of three letters that follow one another; its first letter answers.
Aufgabe kette(int laenge);
// Musterband: aus1 a line of laenge different letters, aus2 four letters of it
// with one replaced by "?" and another by "_"; the letter under "?" answers.
Aufgabe muster(int laenge);

// The places (from 0) where three letters follow one another in the alphabet.
QList<int> laeufe(const QString& zeile);

// A right answer counts towards the next step; every second one lengthens the
// line, up to kHoechstlaenge.
void zaehleRichtig(int& laenge, int& zaehler);

// The answer field's filter: A to Z pass, a to z become capitals, nothing else.
std::optional<QChar> filtere(QChar c);

}
