#pragma once
// Helpers of the Rangieren tests: the solver's commands on the board class
// with their energy as cost, a level read from the working folder, small
// boards from letter rows.
#include "common/satzdatei.h"
#include "exercises/logic/rangierbrett.h"
#include "tests/exercises/logic/loeser.h"

#include <QStringList>

// Moves 0..7 are the commands 1..8; drowning and ricochets are dead.
inline Folge rangierZug(Rangierbrett& b, int z)
{
    const int vorher = b.energie();
    b.befehl(z + 1);
    Folge f;
    f.tot = b.fehler() != Rangierbrett::KeinFehler;
    f.geloest = b.ziel();
    f.kosten = vorher - b.energie();
    return f;
}

// Least energy to the goal or the last ball.
inline Loesung loeseRangier(const Rangierbrett& start, long kappe = 600000)
{
    Rangierbrett b = start;
    b.protokoll = false;
    return loese<Rangierbrett>(b, 8, rangierZug, [](const Rangierbrett& x) { return x.schluessel(); }, kappe);
}

// The energy the commands before the last one use.
inline long energieVorDemLetzten(const Rangierbrett& start, const std::vector<int>& zuege)
{
    Rangierbrett b = start;
    b.protokoll = false;
    for (size_t i = 0; i + 1 < zuege.size(); ++i)
        b.befehl(zuege[i] + 1);
    return rangier::kEnergie - b.energie();
}

inline QByteArray rangierLevel(int level)
{
    Satzdatei d(QStringLiteral("rangieau.dat"), 105);
    d.positioniere(level - 1);
    return d.lies().mid(1, 100);
}

// Rows of letters at the top left of a board of floor.
inline QByteArray rangierKarte(const QStringList& zeilen)
{
    QByteArray f(100, '.');
    for (int y = 0; y < zeilen.size() && y < 10; ++y)
        for (int x = 0; x < zeilen[y].size() && x < 10; ++x)
            f[y * 10 + x] = zeilen[y].at(x).toLatin1();
    return f;
}
