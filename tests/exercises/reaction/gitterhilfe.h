#pragma once
// Helpers of the grid quiz tests: a member by its program number, and the
// answer to a task worked out from what it shows.
#include "exercises/reaction/ukon01.h"

#include <algorithm>

inline const Gitterart& artVon(int programm)
{
    for (const Gitterart& a : Tkon01::mitglieder())
        if (a.programm == programm)
            return a;
    qFatal("no member %d", programm);
}

// The characters in the grid, row by row, without the empty cells.
inline QString zeichen(const gitterquiz::Gitter& g) { return QString(g.data(), 36).remove(u'0'); }

inline QString loese(int programm, const QString& z, const QString& aus1, const QString& aus2)
{
    int wert = 0;
    switch (programm) {
    case 73:  // the letter shown twice
        for (QChar c : z)
            if (z.count(c) == 2)
                return QString(c);
        return {};
    case 75:  // the places where the rows differ
        for (int i = 0; i < std::min(aus1.size(), aus2.size()); ++i)
            wert += aus1[i] != aus2[i];
        return QString::number(wert);
    case 79:  // the digit not shown
        for (wert = 1; wert <= 9 && z.contains(QChar(u'0' + wert)); ++wert) {
        }
        return QString::number(wert);
    case 81:
    case 82: {
        QString s = z;
        std::sort(s.begin(), s.end());
        return s;
    }
    default:  // the sum of the digits
        for (QChar c : z)
            wert += c >= u'1' && c <= u'9' ? c.digitValue() : 0;
        return QString::number(wert);
    }
}

inline QString loese(int programm, const gitterquiz::Aufgabe& a)
{
    return loese(programm, zeichen(a.feld), a.aus1, a.aus2);
}
