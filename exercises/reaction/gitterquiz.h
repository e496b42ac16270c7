#pragma once
// The grid quizzes: letters or digits scattered over a 6 x 6 grid, one typed
// answer per task. The task makers, the level rules and the input filter are
// plain functions; the makers draw from zufall, so tests script them.
#include <QChar>
#include <QString>
#include <array>
#include <optional>

namespace gitterquiz {

// A cell holding this character is empty (the digits shown are 1 to 9).
constexpr QChar kLeer = u'0';
// Row by row, six cells each.
using Gitter = std::array<QChar, 36>;

struct Aufgabe {
    Gitter feld;         // all empty for "Unterschiede"
    QString aus1, aus2;  // "Unterschiede": the changed row, the unchanged one
    QString loesung;     // a letter, a sorted string, or a number as text
};

// The characters an answer field takes.
enum class Zeichenklasse { Ziffern09, Ziffern19, Buchstaben };

// What the field gets for a typed character: the character itself, the
// capital of a small letter a to z, or nothing (the key is dropped).
std::optional<QChar> filtere(Zeichenklasse klasse, QChar c);

// How a member's level value (a count of letters or digits) moves.
struct Stufenregel {
    int start;
    int schritt;     // right answers per step, whether in a row or not; 0: none
    int jeAufgaben;  // instead: one step per this many tasks, right or wrong
    int hoechstens;  // so that every draw ends and every answer fits its field
};

// The level for task `aufgabe` (from 1) after `richtige` right answers.
int stufe(const Stufenregel& regel, int aufgabe, int richtige);

// The task makers, one per member; each seeds the generator first. A level a
// draw cannot finish with is taken as the nearest one it can.
Aufgabe doppelbuch(int l);    // L + 4 distinct letters; the last also covers the one before
Aufgabe ziffInBuch(int n);    // 30 letters, then n digits over them; their sum
Aufgabe unterschiede(int);    // a row of 8 letters and a copy differing in 1 to 3 places
Aufgabe zifferFehlt(int);     // eight of the digits 1 to 9; the missing one
Aufgabe buchsort(int n);      // n distinct letters; in alphabetical order
Aufgabe ziffsort(int n);      // n distinct digits 1 to 9; in ascending order
Aufgabe ziffernsumme(int n);  // n digits 1 to 9, repeats allowed; their sum

}
