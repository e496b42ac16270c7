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

// Rangieren's levels: 10 rows of 10 cells each.
constexpr int kRangierZellen = 100;
const QString kRangierZeichen = QStringLiteral(".Rwbkhzmorulpasiq");

QString rangierRegel(const QStringList& felder)
{
    const QString& brett = felder.at(0);
    if (brett.size() != kRangierZellen)
        return QStringLiteral("%1 Zellen statt %2").arg(brett.size()).arg(kRangierZellen);
    for (int i = 0; i < brett.size(); ++i)
        if (!kRangierZeichen.contains(brett.at(i)))
            return QStringLiteral("unbekanntes Zeichen \"%1\" in Zeile %2").arg(brett.at(i)).arg(i / 10 + 1);
    if (brett.count(QLatin1Char('R')) != 1)
        return QStringLiteral("genau ein \"R\" verlangt");
    // the drop fields wipe out the one barrier
    if (brett.contains(QLatin1Char('a')) && brett.count(QLatin1Char('s')) != 1)
        return QStringLiteral("genau ein \"s\" verlangt, wo es Ablagefelder gibt");
    if (!brett.contains(QLatin1Char('z')) && !brett.contains(QLatin1Char('b')))
        return QStringLiteral("weder Ziel noch Ball");
    return {};
}

}

std::vector<Inhaltsart> artenLogik()
{
    Inhaltsart robbi{QStringLiteral("basrobbi.dat"), 200, 50, {{QStringLiteral("brett"), 0}}, robbiRegel};
    robbi.zeilenJeSatz = 14;
    Inhaltsart rangieren{QStringLiteral("rangieau.dat"), 104, 50, {{QStringLiteral("brett"), 0}}, rangierRegel};
    rangieren.zeilenJeSatz = 10;
    return {robbi, rangieren};
}
