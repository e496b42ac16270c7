// Content files read by the exercises in exercises/numbers/.
//
// The text tasks hold the question padded to Q characters and the solution as
// decimal text after it; "Rechenmix" holds a whole-number solution in four
// characters and the task after it. Each source record is preceded by a comment
// "#= " with the computation of its solution (riddles also "#? ", the check
// with x for the solution), which the tests of the numbers exercises evaluate
// against the stored solution.
#include "content/inhalte.h"
#include "content/paardatei.h"
#include "content/textaufgaben.h"

#include <QRegularExpression>
#include <QSet>

namespace {

// The solution as the answer field takes it: an optional minus, digits without
// leading zeros or thousands separator, optionally a comma and digits (amounts
// of money keep their two decimals). The record's capacity leaves it five
// characters, as many as the answer field takes, so it can be typed as stored.
QString loesungsfehler(const QString& s)
{
    static const QRegularExpression form(QStringLiteral("^-?(0|[1-9][0-9]*)(,[0-9]+)?$"));
    static const QRegularExpression ziffer(QStringLiteral("[1-9]"));
    if (!form.match(s).hasMatch())
        return QStringLiteral("Lösung \"%1\" ist keine Dezimalzahl mit Komma").arg(s);
    if (s.startsWith(QLatin1Char('-')) && !s.contains(ziffer))
        return QStringLiteral("Lösung \"%1\" ist eine negative Null").arg(s);
    return {};
}

}

QString fragefehler(const QString& frage)
{
    if (frage.trimmed().isEmpty())
        return QStringLiteral("Frage fehlt");
    if (frage != frage.trimmed())
        return QStringLiteral("Frage mit Leerzeichen am Rand");
    if (frage.contains(QStringLiteral("  ")))
        return QStringLiteral("Frage mit doppeltem Leerzeichen");
    return {};
}

Inhaltsart textaufgaben(const char* datei, int kapazitaet, int saetze)
{
    return {QString::fromLatin1(datei), kapazitaet, saetze,
            {{QStringLiteral("frage"), kapazitaet - 5}, {QStringLiteral("loesung"), 0}},
            [](const QStringList& f) {
                const QString fehler = fragefehler(f[0]);
                return fehler.isEmpty() ? loesungsfehler(f[1]) : fehler;
            },
            keineDoppelteFrage(0)};
}

std::function<std::optional<Satzverstoss>(const std::vector<QStringList>&)> keineDoppelteFrage(int spalte)
{
    return [spalte](const std::vector<QStringList>& saetze) -> std::optional<Satzverstoss> {
        QSet<QString> gesehen;
        for (int i = 0; i < int(saetze.size()); ++i) {
            const QString& frage = saetze[i][spalte];
            if (gesehen.contains(frage))
                return Satzverstoss{i, QStringLiteral("Frage \"%1\" doppelt").arg(frage)};
            gesehen.insert(frage);
        }
        return std::nullopt;
    };
}

std::vector<Inhaltsart> artenZahlen()
{
    return {
        textaufgaben("sach03.dat", 160, 80),
        textaufgaben("sach04.dat", 160, 120),
        textaufgaben("sach05.dat", 160, 24),
        textaufgaben("zweisatz.dat", 250, 35),
        textaufgaben("dreisatz.dat", 250, 50),
        textaufgaben("vmbruch.dat", 160, 72),
        textaufgaben("vmgeomet.dat", 160, 24),
        {QStringLiteral("sachmix.dat"), 40, 100,
         {{QStringLiteral("loesung"), 4}, {QStringLiteral("aufgabe"), 0}},
         [](const QStringList& f) {
             static const QRegularExpression ganz(QStringLiteral("^(0|[1-9][0-9]{0,3})$"));
             if (!ganz.match(f[0]).hasMatch())
                 return QStringLiteral("Lösung \"%1\" ist keine ganze Zahl von 0 bis 9999").arg(f[0]);
             return fragefehler(f[1]);
         }},
        // matching grids of tasks and results: 4 rounds x 8 pairs
        paardatei("zumath1.dat", 32, 16),
        paardatei("zumath2.dat", 32, 16),
    };
}
