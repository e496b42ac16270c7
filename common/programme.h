#pragma once
// Program numbers: 1 to 11 the administration windows, 13 + 12 x category + item
// the exercises (category 0 to 9, item 0 to 10). Multiples of 12 name nothing.
#include <QString>

namespace programm {
constexpr int kAnzahlUebungen = 110;

bool istVerwaltung(int n);   // 1 to 11
bool istUebung(int n);       // 13 to 131 and not a multiple of 12
int kategorie(int n);        // 0 to 9: n div 12 - 1, also the result file's digit
int punkt(int n);            // item 1 to 11 within the category: n mod 12
int laufindex(int n);        // 1 to 110: place in the exercise names and highscore blocks
int ausLaufindex(int k);     // program number of running index k
// Plan letters: the Windows-1252 character with code 64 + running index, so
// that it is stored as that byte (codes 128 to 159 are characters of their own).
QChar buchstabe(int laufindex);
QChar planbuchstabe(int n);
// The running index a plan letter names; 0 for any other character.
int ausBuchstabe(QChar buchstabe);
// Row and column of the short name of program n (administration or exercise).
int kurznameZeile(int n);
int kurznameSpalte(int n);
// The short name of program n; empty for a number that names nothing.
QString kurzname(int n);
}
