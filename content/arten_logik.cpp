// Content files read by the exercises in exercises/logic/.
#include "content/inhalte.h"

namespace {

// Robbi's levels: 14 rows of 14 cells each, the board's letters and "." for floor.
constexpr int kRobbiZellen = 196;
const QString kRobbiZeichen = QStringLiteral(".RwbkhzmorulpasicqfxPASICK12345678");

QString robbiRegel(const QStringList& felder)
{
    const QString& brett = felder.at(0);
    if (brett.size() != kRobbiZellen)
        return QStringLiteral("%1 Zellen statt %2").arg(brett.size()).arg(kRobbiZellen);
    for (int i = 0; i < brett.size(); ++i)
        if (!kRobbiZeichen.contains(brett.at(i)))
            return QStringLiteral("unbekanntes Zeichen \"%1\" in Zeile %2").arg(brett.at(i)).arg(i / 14 + 1);
    if (brett.count(QLatin1Char('R')) != 1)
        return QStringLiteral("genau ein \"R\" verlangt");
    int paarteile = 0;
    for (QChar c : brett)
        paarteile += QStringLiteral("pasicPASIC").contains(c);
    // at 0 the first key would solve the level
    if (paarteile / 2 < 1)
        return QStringLiteral("kein Paar");
    return {};
}

// Springen and Schieben: 10 rows of 10 cells; a level needs the letters
// its board plays with.
constexpr int kBrettZellen = 100;

QString brettZeichen(const QString& brett, const QString& erlaubt)
{
    if (brett.size() != kBrettZellen)
        return QStringLiteral("%1 Zellen statt %2").arg(brett.size()).arg(kBrettZellen);
    for (int i = 0; i < brett.size(); ++i)
        if (!erlaubt.contains(brett.at(i)))
            return QStringLiteral("unbekanntes Zeichen \"%1\" in Zeile %2").arg(brett.at(i)).arg(i / 10 + 1);
    return {};
}

QString springenRegel(const QStringList& felder)
{
    const QString& brett = felder.at(0);
    if (QString f = brettZeichen(brett, QStringLiteral("123.")); !f.isEmpty())
        return f;
    // one peg is already the solved board
    if (brett.count(QLatin1Char('2')) < 2)
        return QStringLiteral("weniger als zwei Steine");
    return {};
}

QString schiebenRegel(const QStringList& felder)
{
    const QString& brett = felder.at(0);
    if (QString f = brettZeichen(brett, QStringLiteral("123456789R.")); !f.isEmpty())
        return f;
    if (brett.count(QLatin1Char('R')) != 1)
        return QStringLiteral("genau ein \"R\" verlangt");
    int ziele = 0;
    for (int farbe = 1; farbe <= 4; ++farbe) {
        const int kisten = brett.count(QChar('0' + farbe));
        const int hier = brett.count(QChar('4' + farbe));
        if (kisten != hier)
            return QStringLiteral("Farbe %1: %2 Kisten, %3 Ziele").arg(farbe).arg(kisten).arg(hier);
        ziele += hier;
    }
    if (ziele < 1)
        return QStringLiteral("kein Ziel");
    return {};
}

}

std::vector<Inhaltsart> artenLogik()
{
    Inhaltsart robbi{QStringLiteral("basrobbi.dat"), 200, 50, {{QStringLiteral("brett"), 0}}, robbiRegel};
    robbi.zeilenJeSatz = 14;
    Inhaltsart springen{QStringLiteral("springen.dat"), 100, 50, {{QStringLiteral("brett"), 0}}, springenRegel};
    springen.zeilenJeSatz = 10;
    Inhaltsart schieben{QStringLiteral("schieben.dat"), 100, 50, {{QStringLiteral("brett"), 0}}, schiebenRegel};
    schieben.zeilenJeSatz = 10;
    return {robbi, springen, schieben};
}
