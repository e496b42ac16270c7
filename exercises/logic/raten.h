#pragma once
// The guessing games apart from the window: the hidden solutions, the answer to
// a guess and the points of a game.
#include <QString>

namespace raten {

constexpr int kVersuche = 12;

// 1500 - 100 x the guesses of a hit game.
float spielpunkte(int versuche);

// "Zahlen raten": a number cut(r x 200 + 1), 1..200.
int zahl();
// The memo line of a guess: the typed text, blanks up to 5 characters, then
// "Treffer!", "zu niedrig!" or "zu hoch!".
QString zahlZeile(const QString& getippt, int tipp, int loesung);

// "Pferderennen": three different letters of "A" to "E" in the order drawn.
QString pferde();
// Why a guess does not count ("ungültige Länge", "Es sind keine doppelten
// Zeichen erlaubt!"), or empty for a valid one.
QString pferdeFehler(const QString& tipp);
// One "R" per position where guess and solution agree, then one "F" per letter
// of the solution that stands in the guess at another position.
QString rueckmeldung(const QString& tipp, const QString& loesung);
// The text of a feedback ("RF": "Ein Pferd richtig! Ein Pferd richtig, aber falsch plaziert!").
QString pferdeText(const QString& rueckmeldung);

}
