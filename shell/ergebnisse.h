#pragma once
// The result entry: the last ten results of every user and exercise, ten result
// files of one category each, and the start of the result line of the run.
#include <QString>

namespace ergebnis {
constexpr int kSatzgroesse = 21;       // short string of 20 characters
constexpr int kSaetzeProDatei = 4400;  // 11 exercises x 40 users x 10 results
QString dateiname(int kategorie);      // "xbaserg" + digit + ".dat"
// Record of result r (0 oldest .. 9 newest) of user u (1..40), item i (1..11).
int satznummer(int item, int nutzer, int r);
// The score text of a result record: its characters 11 to 20 without leading
// blanks, "0" when nothing is left.
QString punktetext(const QString& satz);
// The value of a stored score text, read with a comma or a point as the decimal
// separator; a text that is no number counts as 0, so that one odd record never
// stops the recording of later runs.
double punktwert(const QString& text);

// The result record of a run with that score today: the date, three blanks,
// the score text, cut to 20 characters.
QString neuerSatz(float punkte);
// Moves the ten results of user u in program n on by one and stores neu as
// the newest, in one locked step on the file as it is now. vorher gets the
// newest result before it as soon as all ten are read. Throws EAFehler.
void trageEin(int u, int n, const QString& neu, QString& vorher);
// The result line of a run of program n (ergebniszeile) from its result
// record and the one before it (empty: none), and the sheet counts as
// unprinted.
void setzeZeile(int n, const QString& neu, const QString& vorher);
}
