#include "content/fragedateien.h"

#include "content/textaufgaben.h"

#include <QRegularExpression>
#include <QSet>

namespace {

const QString kUmlaute = QStringLiteral("äöüÄÖÜß");

// The answer field's capitals: a-z and ä, ö, ü; "ß" stays.
QString gross(const QString& s)
{
    QString g;
    for (QChar c : s) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
        else if (kUmlaute.left(3).contains(c))
            c = kUmlaute[kUmlaute.indexOf(c) + 3];
        g += c;
    }
    return g;
}

bool istZiffer(const QString& s, int bis)
{
    return s.size() == 1 && s[0] >= QLatin1Char('1') && s[0] <= QChar('0' + bis);
}

// Empty, or which of the options is empty, has blanks at its edge, repeats
// another or holds the field separator of the record.
QString antwortenfehler(const QStringList& antworten, int breite = 0)
{
    QSet<QString> gesehen;
    for (const QString& a : antworten) {
        if (a.trimmed().isEmpty())
            return QStringLiteral("leere Antwort");
        if (a != a.trimmed())
            return QStringLiteral("Antwort \"%1\" mit Leerzeichen am Rand").arg(a);
        if (a.contains(QLatin1Char('#')))
            return QStringLiteral("Antwort \"%1\" mit \"#\"").arg(a);
        if (breite > 0 && a.size() > breite)
            return QStringLiteral("Antwort \"%1\" länger als %2 Zeichen").arg(a).arg(breite);
        if (gesehen.contains(a))
            return QStringLiteral("Antwort \"%1\" doppelt").arg(a);
        gesehen.insert(a);
    }
    return {};
}

}

namespace fragedateien {

QString wortfehler(const QString& wort)
{
    static const QRegularExpression form(QStringLiteral("^[A-Za-zäöüÄÖÜß]{2,20}$"));
    if (!form.match(wort).hasMatch())
        return QStringLiteral("Antwort \"%1\" ist kein Wort aus 2 bis 20 Buchstaben").arg(wort);
    const QString g = gross(wort);
    if (g.count(g[0]) == g.size())
        return QStringLiteral("Antwort \"%1\" aus nur einem Buchstaben").arg(wort);
    return {};
}

}

Inhaltsart definitionsdatei(const char* datei, int saetze, bool satzanfang)
{
    return {QString::fromLatin1(datei), 90, saetze, {{QString::fromLatin1(satzanfang ? "anfang" : "hinweis"), 70},
                                                      {QString::fromLatin1(satzanfang ? "wort" : "antwort"), 0}},
            [satzanfang](const QStringList& f) {
                QString fehler = fragefehler(f[0]);
                if (fehler.isEmpty() && satzanfang && f[0].endsWith(QLatin1Char('.')))
                    fehler = QStringLiteral("Satzanfang mit Punkt am Ende (\"...\" folgt von selbst)");
                return fehler.isEmpty() ? fragedateien::wortfehler(f[1]) : fehler;
            },
            keineDoppelteFrage(0)};
}

Inhaltsart praxisdatei(const char* datei, int saetze)
{
    Inhaltsart art{QString::fromLatin1(datei), 250, saetze, {{QStringLiteral("frage"), 0}}, {}, keineDoppelteFrage(0)};
    art.spalten = {{QStringLiteral("frage"), 0}, {QStringLiteral("a1"), 0}, {QStringLiteral("a2"), 0},
                   {QStringLiteral("a3"), 0}, {QStringLiteral("a4"), 0}, {QStringLiteral("a5"), 0},
                   {QStringLiteral("richtig"), 0}};
    art.regel = [](const QStringList& f) {
        QString fehler = fragefehler(f[0]);
        if (fehler.isEmpty() && f[0].contains(QLatin1Char('#')))
            fehler = QStringLiteral("Frage mit \"#\"");
        if (fehler.isEmpty())
            fehler = antwortenfehler(f.mid(1, 5));
        if (fehler.isEmpty() && !istZiffer(f[6], 5))
            fehler = QStringLiteral("richtig muss 1 bis 5 sein");
        return fehler;
    };
    // each field closed by "#", the digit last
    art.satzbau = [](const QStringList& f) { return f.mid(0, 6).join(QLatin1Char('#')) + QLatin1Char('#') + f[6]; };
    return art;
}

Inhaltsart quizdatei(const char* datei, int paare)
{
    Inhaltsart art{QString::fromLatin1(datei), 100, 2 * paare,
                   {{QStringLiteral("frage"), 90}, {QStringLiteral("richtig"), 10}, {QStringLiteral("o1"), 25},
                    {QStringLiteral("o2"), 25}, {QStringLiteral("o3"), 25}, {QStringLiteral("o4"), 25}},
                   {}, keineDoppelteFrage(0)};
    art.regel = [](const QStringList& f) {
        QString fehler = fragefehler(f[0]);
        if (fehler.isEmpty() && !istZiffer(f[1], 4))
            fehler = QStringLiteral("richtig muss 1 bis 4 sein");
        if (fehler.isEmpty())
            fehler = antwortenfehler(f.mid(2, 4));
        // "x" marks the options a joker removed
        if (fehler.isEmpty() && f.mid(2, 4).contains(QStringLiteral("x")))
            fehler = QStringLiteral("Antwort \"x\"");
        return fehler;
    };
    art.satzgruppe = [](const QStringList& f) {
        return QStringList{f[0].leftJustified(90) + f[1],
                           f[2].leftJustified(25) + f[3].leftJustified(25) + f[4].leftJustified(25) + f[5]};
    };
    return art;
}

Inhaltsart angeldatei(const char* datei, int saetze)
{
    return {QString::fromLatin1(datei), 40, saetze, {{QStringLiteral("hinweis"), 35}, {QStringLiteral("antwort"), 0}},
            [](const QStringList& f) {
                static const QRegularExpression fuenf(QStringLiteral("^[A-Za-z]{5}$"));
                QString fehler = fragefehler(f[0]);
                // the clue is shown in capitals of a-z only
                for (QChar c : f[0])
                    if (fehler.isEmpty() && kUmlaute.contains(c))
                        fehler = QStringLiteral("Hinweis mit \"%1\"").arg(c);
                if (fehler.isEmpty() && !fuenf.match(f[1]).hasMatch())
                    fehler = QStringLiteral("Antwort \"%1\" nicht aus fünf Buchstaben A bis Z").arg(f[1]);
                return fehler;
            },
            keineDoppelteFrage(0)};
}
