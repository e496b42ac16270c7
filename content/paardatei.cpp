#include "content/paardatei.h"

#include <QSet>

namespace {

constexpr int kGruppe = 8;  // records per round

QString haelftenfehler(const QString& haelfte, const QString& seite, int haelfteMax)
{
    if (haelfte.isEmpty())
        return QStringLiteral("%1 Hälfte leer").arg(seite);
    if (haelfte.size() > haelfteMax)
        return QStringLiteral("%1 Hälfte länger als %2 Zeichen").arg(seite).arg(haelfteMax);
    if (haelfte.front() == QLatin1Char(' ') || haelfte.back() == QLatin1Char(' '))
        return QStringLiteral("%1 Hälfte mit Leerzeichen am Rand").arg(seite);
    return {};
}

QStringList haelften(const QString& satz)
{
    const int komma = satz.indexOf(QLatin1Char(','));
    return {satz.left(komma), satz.mid(komma + 1)};
}

}

Inhaltsart paardatei(const char* datei, int saetze, int haelfteMax)
{
    Inhaltsart art{QString::fromLatin1(datei), 40, saetze, {{QStringLiteral("paar"), 0}},
                   [haelfteMax](const QStringList& f) {
                       if (!f[0].contains(QLatin1Char(',')))
                           return QStringLiteral("Satz ohne Komma");
                       const QStringList h = haelften(f[0]);
                       const QString links = haelftenfehler(h[0], QStringLiteral("linke"), haelfteMax);
                       return links.isEmpty() ? haelftenfehler(h[1], QStringLiteral("rechte"), haelfteMax) : links;
                   }};
    art.dateiregel = [](const std::vector<QStringList>& alle) -> std::optional<Satzverstoss> {
        QSet<QString> gruppe;
        for (int i = 0; i < int(alle.size()); ++i) {
            if (i % kGruppe == 0)
                gruppe.clear();
            for (const QString& h : haelften(alle[i][0])) {
                if (gruppe.contains(h))
                    return Satzverstoss{i, QStringLiteral("Hälfte \"%1\" kommt in dieser Gruppe schon vor").arg(h)};
                gruppe.insert(h);
            }
        }
        return std::nullopt;
    };
    return art;
}
