#pragma once
// What the list windows ask: the cities of "stadtwin.dat" with their points by
// closeness, and the rounds of "Alter" (first names with ages) and
// "Zahlentest" (statements with a number).
#include <QString>
#include <QStringList>
#include <vector>

namespace listen {

// One item of a round: its line in the list, the question, the number asked for.
struct Posten {
    QString zeile;
    QString frage;
    int antwort = 0;
};

// The 30 first names: 1-15 male, 16-30 female.
const QStringList& vornamen();

// A row of "Zahlentest": the question with its base number right-aligned in
// its last four characters, and the statement with one "@" for the number.
struct Aussage {
    QString frage;
    QString satz;
};
const std::vector<Aussage>& aussagen();
int basis(const Aussage& a);
QString frageOhneBasis(const Aussage& a);

// The round makers. benutzt flags the table's rows (0-based): personen keeps the
// flags of the whole run, so no name comes twice; aufgabe clears them first,
// so no statement comes twice in a round.
std::vector<Posten> personen(int n, std::vector<bool>& benutzt);
std::vector<Posten> aufgabe(int n, std::vector<bool>& benutzt);
// Ten exchanges of two items, so the questions come in another order than the list.
void tausche(std::vector<Posten>& posten);

// A record of "stadtwin.dat": characters 1-4 as stored, the population read
// from them, the name without trailing blanks.
struct Stadt {
    QString kopf;
    QString name;
    int einwohner = 0;
};
constexpr int kStaedte = 30;
// All 30 cities, every population converted: a missing or short file, a
// population that is no number or not above 0 throws, before anything is drawn.
std::vector<Stadt> liesStaedte();

// The points of an estimate: 100 for the true value, less by the relative
// distance on either side, never below 0.
double stadtpunkte(int antwort, int einwohner);
// "66,66 Punkte": the first five characters of the points' text.
QString punkteText(double p);

}
