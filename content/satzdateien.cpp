#include "content/satzdateien.h"

#include <QSet>

namespace satzdateien {

QString lueckensatz(const QString& quelle, QString* fehler)
{
    auto falsch = [&](const QString& text) {
        *fehler = text;
        return QString();
    };
    fehler->clear();
    const int auf = quelle.indexOf(QLatin1Char('['));
    const int zu = quelle.indexOf(QLatin1Char(']'));
    if (quelle.count(QLatin1Char('[')) != 1 || quelle.count(QLatin1Char(']')) != 1 || zu < auf)
        return falsch(QStringLiteral("Satz ohne genau eine Lücke \"[...]\""));
    const QString wort = quelle.mid(auf + 1, zu - auf - 1);
    if (wort.isEmpty())
        return falsch(QStringLiteral("leere Lücke"));
    for (QChar c : wort)
        if (!c.isLetter())
            return falsch(QStringLiteral("Lücke \"%1\" ist kein Wort aus Buchstaben").arg(wort));
    // the gap is a whole word: no letter, digit or hyphen joins it outside the brackets
    auto haengtAn = [&](int i) {
        return i >= 0 && i < quelle.size()
               && (quelle[i].isLetterOrNumber() || quelle[i] == QLatin1Char('-'));
    };
    if (haengtAn(auf - 1) || haengtAn(zu + 1))
        return falsch(QStringLiteral("Lücke \"%1\" ist nur ein Teil eines Wortes").arg(wort));
    if (wort.size() > kLueckeMax)
        return falsch(QStringLiteral("Lückenwort \"%1\" länger als %2 Zeichen").arg(wort).arg(kLueckeMax));
    QString satz = quelle;
    satz.remove(zu, 1);
    satz.remove(auf, 1);
    if (satz.size() > kSatzMax)
        return falsch(QStringLiteral("Satz länger als %1 Zeichen").arg(kSatzMax));
    if (satz.startsWith(QLatin1Char(' ')) || satz.endsWith(QLatin1Char(' ')))
        return falsch(QStringLiteral("Leerzeichen am Anfang oder Ende"));
    const int von = auf + 1;
    const int bis = auf + int(wort.size());
    return satz.leftJustified(kSatzMax) + QString::number(von).rightJustified(2)
           + QString::number(bis).rightJustified(2);
}

}

Inhaltsart lueckendatei(const char* datei, int saetze)
{
    Inhaltsart art{QString::fromLatin1(datei), 78, saetze, {{QStringLiteral("satz"), 0}},
                   [](const QStringList& f) {
                       QString fehler;
                       satzdateien::lueckensatz(f[0], &fehler);
                       return fehler;
                   }};
    art.satzbau = [](const QStringList& f) {
        QString fehler;
        return satzdateien::lueckensatz(f[0], &fehler);
    };
    return art;
}

namespace {
QString haelftenfehler(const QString& haelfte, const QString& welche)
{
    if (haelfte.isEmpty())
        return QStringLiteral("%1 Hälfte leer").arg(welche);
    if (haelfte.front() == QLatin1Char(' ') || haelfte.back() == QLatin1Char(' '))
        return QStringLiteral("%1 Hälfte mit Leerzeichen am Rand").arg(welche);
    return {};
}
}

Inhaltsart haelftendatei(const char* datei, int saetze)
{
    using satzdateien::kHaelfteMax;
    Inhaltsart art{QString::fromLatin1(datei), 2 * kHaelfteMax, saetze,
                   {{QStringLiteral("erste"), kHaelfteMax}, {QStringLiteral("zweite"), kHaelfteMax}},
                   [](const QStringList& f) {
                       const QString erste = haelftenfehler(f[0], QStringLiteral("erste"));
                       return erste.isEmpty() ? haelftenfehler(f[1], QStringLiteral("zweite")) : erste;
                   }};
    // a pick is judged by the text of the second half alone
    art.dateiregel = [](const std::vector<QStringList>& alle) -> std::optional<Satzverstoss> {
        QSet<QString> runde;
        for (int i = 0; i < int(alle.size()); ++i) {
            if (i % satzdateien::kHaelftenJeRunde == 0)
                runde.clear();
            if (runde.contains(alle[i][1]))
                return Satzverstoss{i, QStringLiteral("zweite Hälfte \"%1\" kommt in dieser Runde schon vor")
                                           .arg(alle[i][1])};
            runde.insert(alle[i][1]);
        }
        return std::nullopt;
    };
    return art;
}
