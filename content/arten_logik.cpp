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

// The ordering sheets: four distinct items, none empty.
QString vierVerschieden(const QStringList& vier)
{
    for (int i = 0; i < 4; ++i) {
        if (vier[i].trimmed().isEmpty())
            return QStringLiteral("Feld %1 leer").arg(i + 1);
        for (int j = 0; j < i; ++j)
            if (vier[i] == vier[j])
                return QStringLiteral("\"%1\" doppelt").arg(vier[i]);
    }
    return {};
}

// "Reihenfolge": four terms of 20 characters, and the note of their keys, four
// whole numbers (the test checks that they rise or fall strictly).
Inhaltsart reihenfolgeArt()
{
    Inhaltsart art{QStringLiteral("reifowin.dat"), 80, 47,
                   {{QStringLiteral("begriff1"), 20}, {QStringLiteral("begriff2"), 20}, {QStringLiteral("begriff3"), 20},
                    {QStringLiteral("begriff4"), 20}, {QStringLiteral("art"), 0}, {QStringLiteral("schluessel"), 0}},
                   [](const QStringList& f) {
                       if (const QString v = vierVerschieden(f.mid(0, 4)); !v.isEmpty())
                           return v;
                       if (f[4].trimmed().isEmpty())
                           return QStringLiteral("\"art\" fehlt");
                       const QStringList k = f[5].split(QLatin1Char(' '));
                       bool zahlen = k.size() == 4;
                       for (const QString& z : k) {
                           bool ok = false;
                           z.toLongLong(&ok);
                           zahlen = zahlen && ok;
                       }
                       return zahlen ? QString() : QStringLiteral("\"schluessel\" braucht vier ganze Zahlen");
                   }};
    art.satzbau = [](const QStringList& f) {
        return f[0].leftJustified(20) + f[1].leftJustified(20) + f[2].leftJustified(20) + f[3];
    };
    return art;
}

// "Planen": one source line makes a group of four records: two lines of text,
// then two records of two steps of 35 characters. The note "braucht" names the
// steps each step needs.
Inhaltsart planenArt()
{
    Inhaltsart art{QStringLiteral("planen.dat"), 70, 100,
                   {{QStringLiteral("zeile1"), 70}, {QStringLiteral("zeile2"), 70}, {QStringLiteral("schritt1"), 35},
                    {QStringLiteral("schritt2"), 35}, {QStringLiteral("schritt3"), 35}, {QStringLiteral("schritt4"), 35},
                    {QStringLiteral("braucht"), 0}},
                   [](const QStringList& f) {
                       if (f[0].trimmed().isEmpty())
                           return QStringLiteral("Aufgabentext fehlt");
                       if (const QString v = vierVerschieden(f.mid(2, 4)); !v.isEmpty())
                           return v;
                       const QStringList b = f[6].split(QLatin1Char(';'));
                       if (b.size() != 4)
                           return QStringLiteral("\"braucht\" braucht vier Einträge");
                       for (int i = 0; i < 4; ++i) {
                           if (b[i] == QStringLiteral("-"))
                               continue;
                           for (const QString& n : b[i].split(QLatin1Char(','))) {
                               const int v = n.toInt();
                               if (v < 1 || v > 4 || v == i + 1)
                                   return QStringLiteral("\"braucht\" von Schritt %1 ungültig").arg(i + 1);
                           }
                       }
                       return QString();
                   }};
    art.satzgruppe = [](const QStringList& f) {
        return QStringList{f[0], f[1], f[2].leftJustified(35) + f[3], f[4].leftJustified(35) + f[5]};
    };
    return art;
}

}

std::vector<Inhaltsart> artenLogik()
{
    Inhaltsart robbi{QStringLiteral("basrobbi.dat"), 200, 50, {{QStringLiteral("brett"), 0}}, robbiRegel};
    robbi.zeilenJeSatz = 14;
    std::vector<Inhaltsart> arten{robbi};
    // the ordering sheets
    arten.push_back(reihenfolgeArt());
    arten.push_back(planenArt());
    return arten;
}
