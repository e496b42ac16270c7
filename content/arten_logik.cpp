// Content files read by the exercises in exercises/logic/.
#include "content/inhalte.h"

#include <QRegularExpression>
#include <QSet>

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

// Rangieren, Springen and Schieben: 10 rows of 10 cells; a level needs the
// letters its board plays with.
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

QString rangierRegel(const QStringList& felder)
{
    const QString& brett = felder.at(0);
    if (QString f = brettZeichen(brett, QStringLiteral(".Rwbkhzmorulpasiq")); !f.isEmpty())
        return f;
    if (brett.count(QLatin1Char('R')) != 1)
        return QStringLiteral("genau ein \"R\" verlangt");
    // the drop fields wipe out the one barrier
    if (brett.contains(QLatin1Char('a')) && brett.count(QLatin1Char('s')) != 1)
        return QStringLiteral("genau ein \"s\" verlangt, wo es Ablagefelder gibt");
    if (!brett.contains(QLatin1Char('z')) && !brett.contains(QLatin1Char('b')))
        return QStringLiteral("weder Ziel noch Ball");
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

// The logic text exercises: every field within what the window shows uncut,
// and the answer digit within the member's keys.
namespace logiktexte {

constexpr int kFeld = 20;

QString ziffer(const QString& text, int bis)
{
    bool ok = false;
    const int z = text.toInt(&ok);
    if (!ok || text.size() != 1 || z < 1 || z > bis)
        return QStringLiteral("Lösung \"%1\" ist keine Ziffer von 1 bis %2").arg(text).arg(bis);
    return {};
}

// Options or words: filled, within kFeld, no comma (the record's separator), all distinct.
QString optionen(const QStringList& o)
{
    QSet<QString> gesehen;
    for (const QString& t : o) {
        if (t.trimmed().isEmpty() || t != t.trimmed())
            return QStringLiteral("leere Option oder Leerzeichen am Rand");
        if (t.size() > kFeld)
            return QStringLiteral("\"%1\" länger als %2 Zeichen").arg(t).arg(kFeld);
        if (t.contains(QLatin1Char(',')))
            return QStringLiteral("Komma in \"%1\"").arg(t);
        if (gesehen.contains(t.toLower()))
            return QStringLiteral("\"%1\" doppelt").arg(t);
        gesehen.insert(t.toLower());
    }
    return {};
}

// "logikwin.dat": whole numbers separated by blanks, the next one 0..99.
QString reiheRegel(const QStringList& f)
{
    static const QRegularExpression form(QStringLiteral("^[0-9]+( +[0-9]+)+$"));
    if (!form.match(f[0]).hasMatch())
        return QStringLiteral("Reihe aus Zahlen mit Leerzeichen dazwischen verlangt");
    bool ok = false;
    const int n = f[1].toInt(&ok);
    if (!ok || n < 0 || n > 99 || f[1] != QString::number(n))
        return QStringLiteral("Lösung \"%1\" liegt nicht zwischen 0 und 99").arg(f[1]);
    return {};
}

QString reiheSatz(const QStringList& f) { return f[0] + QStringLiteral("   ") + f[1].rightJustified(2); }

// "azubwin.dat": the task text, then five options and the digit.
QString aZuBRegel(const QStringList& f)
{
    if (f[0].trimmed().isEmpty())
        return QStringLiteral("leere Aufgabe");
    if (const QString o = optionen(f.mid(1, 5)); !o.isEmpty())
        return o;
    return ziffer(f[6], 5);
}

QStringList aZuBSaetze(const QStringList& f) { return {f[0], f.mid(1, 5).join(QLatin1Char(',')) + QLatin1Char(',') + f[6]}; }

// "waspawin.dat": five words, the hint, the digit; the hint does not give the odd word away.
QString wasPasstRegel(const QStringList& f)
{
    if (const QString o = optionen(f.mid(0, 6)); !o.isEmpty())
        return o;
    if (const QString z = ziffer(f[6], 5); !z.isEmpty())
        return z;
    if (f[5].contains(f[f[6].toInt() - 1], Qt::CaseInsensitive))
        return QStringLiteral("Hinweis enthält das Wort, das nicht passt");
    return {};
}

QString wasPasstSatz(const QStringList& f) { return f.join(QLatin1Char(',')); }

// "splogwin.dat": the question in 100 characters, the options text in 29, the digit last.
QString optionstext(const QStringList& f) { return QStringLiteral("1) %1   2) %2").arg(f[1], f[2]); }

QString sprachlogikRegel(const QStringList& f)
{
    if (f[0].trimmed().isEmpty() || f[0].size() > 100)
        return QStringLiteral("Frage leer oder länger als 100 Zeichen");
    if (const QString o = optionen(f.mid(1, 2)); !o.isEmpty())
        return o;
    if (optionstext(f).size() > 29)
        return QStringLiteral("Optionen zusammen länger als 29 Zeichen");
    return ziffer(f[3], 2);
}

QString sprachlogikSatz(const QStringList& f) { return f[0].leftJustified(100) + optionstext(f).leftJustified(29) + f[3]; }

// "jwochwin.dat": the question, a blank, the weekday's digit.
QString wochentagRegel(const QStringList& f)
{
    if (f[0].trimmed().isEmpty() || f[0].endsWith(QLatin1Char(' ')))
        return QStringLiteral("Frage leer oder mit Leerzeichen am Ende");
    return ziffer(f[1], 7);
}

QString wochentagSatz(const QStringList& f) { return f[0] + QLatin1Char(' ') + f[1]; }

std::vector<Inhaltsart> arten()
{
    auto sp = [](const char* n, int b) { return Spalte{QString::fromLatin1(n), b}; };
    Inhaltsart reihe{QStringLiteral("logikwin.dat"), 40, 27, {sp("reihe", 35), sp("loesung", 0)}, reiheRegel};
    reihe.satzbau = reiheSatz;
    Inhaltsart azub{QStringLiteral("azubwin.dat"), 80, 64,
                    {sp("aufgabe", 80), sp("o1", 20), sp("o2", 20), sp("o3", 20), sp("o4", 20), sp("o5", 20),
                     sp("richtig", 0)},
                    aZuBRegel};
    azub.satzgruppe = aZuBSaetze;
    Inhaltsart waspa{QStringLiteral("waspawin.dat"), 100, 30,
                     {sp("w1", 20), sp("w2", 20), sp("w3", 20), sp("w4", 20), sp("w5", 20), sp("hinweis", 20),
                      sp("richtig", 0)},
                     wasPasstRegel};
    waspa.satzbau = wasPasstSatz;
    Inhaltsart splog{QStringLiteral("splogwin.dat"), 130, 80,
                     {sp("frage", 100), sp("o1", 20), sp("o2", 20), sp("richtig", 0)}, sprachlogikRegel};
    splog.satzbau = sprachlogikSatz;
    Inhaltsart woche{QStringLiteral("jwochwin.dat"), 100, 18, {sp("frage", 98), sp("tag", 0)}, wochentagRegel};
    woche.satzbau = wochentagSatz;
    return {reihe, azub, waspa, splog, woche};
}

}

std::vector<Inhaltsart> artenLogik()
{
    Inhaltsart robbi{QStringLiteral("basrobbi.dat"), 200, 50, {{QStringLiteral("brett"), 0}}, robbiRegel};
    robbi.zeilenJeSatz = 14;
    Inhaltsart rangieren{QStringLiteral("rangieau.dat"), 104, 50, {{QStringLiteral("brett"), 0}}, rangierRegel};
    rangieren.zeilenJeSatz = 10;
    Inhaltsart springen{QStringLiteral("springen.dat"), 100, 50, {{QStringLiteral("brett"), 0}}, springenRegel};
    springen.zeilenJeSatz = 10;
    Inhaltsart schieben{QStringLiteral("schieben.dat"), 100, 50, {{QStringLiteral("brett"), 0}}, schiebenRegel};
    schieben.zeilenJeSatz = 10;
    std::vector<Inhaltsart> alle{robbi, rangieren, springen, schieben};
    for (Inhaltsart& art : logiktexte::arten())
        alle.push_back(art);
    // the ordering sheets
    alle.push_back(reihenfolgeArt());
    alle.push_back(planenArt());
    return alle;
}
