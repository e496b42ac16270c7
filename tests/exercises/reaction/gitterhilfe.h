#pragma once
// Helpers of the grid quiz tests: a member by its program number, the grid as
// text, and the answer to a task worked out from what it shows.
#include "exercises/reaction/ukon01.h"

#include <QSet>
#include <algorithm>
#include <map>

using gitterquiz::Aufgabe;

inline const Gitterart& artVon(int programm)
{
    for (const Gitterart& a : Tkon01::mitglieder())
        if (a.programm == programm)
            return a;
    qFatal("no member %d", programm);
}

inline QString alsText(const gitterquiz::Gitter& g) { return QString(g.data(), 36); }

inline QString belegt(const gitterquiz::Gitter& g)
{
    QString s;
    for (QChar c : g)
        s += c == u'0' ? u'.' : u'#';
    return s;
}

inline QString ohneLeere(const gitterquiz::Gitter& g) { return alsText(g).remove(u'0'); }

inline int ziffernsumme(const QString& s)
{
    int n = 0;
    for (QChar c : s)
        if (c >= u'1' && c <= u'9')
            n += c.digitValue();
    return n;
}

inline QString sortiert(QString s)
{
    std::sort(s.begin(), s.end());
    return s;
}

// The answer to a task, worked out from what it shows.
inline QString loese(int programm, const Aufgabe& a, const QString& aus1, const QString& aus2)
{
    const QString z = ohneLeere(a.feld);
    switch (programm) {
    case 73:
        for (QChar c : z)
            if (z.count(c) == 2)
                return QString(c);
        return {};
    case 75: {
        int k = 0;
        for (int i = 0; i < std::min(aus1.size(), aus2.size()); ++i)
            k += aus1[i] != aus2[i];
        return QString::number(k);
    }
    case 79:
        for (int d = 1; d <= 9; ++d)
            if (!z.contains(QChar(u'0' + d)))
                return QString::number(d);
        return {};
    case 81:
    case 82:
        return sortiert(z);
    default:
        return QString::number(ziffernsumme(z));
    }
}

// What is wrong with a task of maker `art` at level `stufe`; empty when nothing.
inline QString pruefeAufgabe(const QString& art, int stufe, const Aufgabe& a)
{
    const QString z = ohneLeere(a.feld);
    const QSet<QChar> verschieden(z.begin(), z.end());
    int buchstaben = 0, ziffern = 0;
    for (QChar c : z) {
        buchstaben += c >= u'A' && c <= u'Z';
        ziffern += c >= u'1' && c <= u'9';
    }
    if (buchstaben + ziffern != z.size())
        return QStringLiteral("fremdes Zeichen: ") + z;
    const auto nur = [&](bool b, QString was) { return b ? QString() : was + QStringLiteral(": ") + z; };
    if (art == QLatin1String("doppelbuch")) {
        const QChar l = a.loesung.size() == 1 ? a.loesung[0] : QChar();
        return nur(z.size() == stufe + 4 && ziffern == 0 && verschieden.size() == stufe + 3 && z.count(l) == 2,
                   QStringLiteral("nicht L + 4 Zellen mit L + 3 Buchstaben, ") + a.loesung + QStringLiteral(" doppelt"));
    }
    if (art == QLatin1String("ziffInBuch"))
        return nur(ziffern == stufe && buchstaben <= 30 && buchstaben >= 30 - stufe
                       && a.loesung == QString::number(ziffernsumme(z)),
                   QStringLiteral("Ziffern, Buchstaben oder Summe ") + a.loesung);
    if (art == QLatin1String("unterschiede")) {
        const QString e = loese(75, a, a.aus1, a.aus2);
        bool form = a.aus1.size() == 16 && a.aus2.size() == 16 && z.isEmpty();
        for (int i = 0; form && i < 16; ++i)
            for (const QString& s : {a.aus1, a.aus2})
                form = form && (i % 2 ? s[i] == u' ' : s[i] >= u'A' && s[i] <= u'Z');
        return form && a.loesung == e && e.toInt() >= 1 && e.toInt() <= 3
                   ? QString()
                   : a.aus1 + QLatin1Char('|') + a.aus2 + QLatin1Char('|') + a.loesung;
    }
    if (art == QLatin1String("zifferFehlt"))
        return nur(z.size() == 8 && ziffern == 8 && verschieden.size() == 8 && a.loesung.size() == 1
                       && !z.contains(a.loesung[0]) && a.loesung[0] >= u'1' && a.loesung[0] <= u'9',
                   QStringLiteral("fehlt ") + a.loesung);
    if (art == QLatin1String("buchsort") || art == QLatin1String("ziffsort"))
        return nur(z.size() == stufe && verschieden.size() == stufe && a.loesung == sortiert(z)
                       && (art == QLatin1String("buchsort") ? buchstaben : ziffern) == stufe,
                   QStringLiteral("sortiert ") + a.loesung);
    return nur(z.size() == stufe && ziffern == stufe && a.loesung == QString::number(ziffernsumme(z)),
               QStringLiteral("Summe ") + a.loesung);
}

inline const std::map<QString, Aufgabe (*)(int)>& macher()
{
    static const std::map<QString, Aufgabe (*)(int)> m{
        {QStringLiteral("doppelbuch"), gitterquiz::doppelbuch},
        {QStringLiteral("ziffInBuch"), gitterquiz::ziffInBuch},
        {QStringLiteral("unterschiede"), gitterquiz::unterschiede},
        {QStringLiteral("zifferFehlt"), gitterquiz::zifferFehlt},
        {QStringLiteral("buchsort"), gitterquiz::buchsort},
        {QStringLiteral("ziffsort"), gitterquiz::ziffsort},
        {QStringLiteral("ziffernsumme"), gitterquiz::ziffernsumme},
    };
    return m;
}

