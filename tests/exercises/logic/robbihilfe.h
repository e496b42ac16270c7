#pragma once
// Helpers of the Robbi tests: small boards from letter rows, the solver's
// moves on the board class, a level read from the working folder.
#include "common/satzdatei.h"
#include "exercises/logic/robbibrett.h"
#include "tests/exercises/logic/loeser.h"

#include <QStringList>

// Moves 0..3 are the arrows up, right, down, left; 4 is Space.
inline Folge robbiZug(Robbibrett& b, int z)
{
    const Robbiausgang a = z < 4 ? b.zug(z + 1).ausgang : b.leertaste().ausgang;
    Folge f;
    f.tot = a == Robbiausgang::Ertrunken || a == Robbiausgang::Getroffen;
    f.geloest = a == Robbiausgang::Geschafft;
    return f;
}

inline Loesung loeseRobbi(const Robbibrett& start, long kappe = 400000)
{
    Robbibrett b = start;
    b.protokoll = false;
    return loese<Robbibrett>(b, 5, robbiZug, [](const Robbibrett& x) { return x.schluessel(); }, kappe);
}

inline QByteArray robbiLevel(int level)
{
    Satzdatei d(QStringLiteral("basrobbi.dat"), 201);
    d.positioniere(level - 1);
    return d.lies().mid(1, 196);
}

// Rows of letters at the top left of an empty board.
inline QByteArray robbiKarte(const QStringList& zeilen)
{
    QByteArray f(196, '.');
    for (int y = 0; y < zeilen.size(); ++y)
        for (int x = 0; x < zeilen[y].size(); ++x)
            f[y * 14 + x] = zeilen[y].at(x).toLatin1();
    return f;
}
