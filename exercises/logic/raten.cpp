#include "exercises/logic/raten.h"

#include "common/zufall.h"

#include <map>

namespace raten {

float spielpunkte(int versuche) { return 1500.0f - 100.0f * static_cast<float>(versuche); }

int zahl() { return static_cast<int>(zufall::r() * 200 + 1); }

QString zahlZeile(const QString& getippt, int tipp, int loesung)
{
    const QString urteil = tipp == loesung ? QStringLiteral("Treffer!")
                           : tipp < loesung ? QStringLiteral("zu niedrig!")
                                            : QStringLiteral("zu hoch!");
    return getippt.leftJustified(5) + urteil;
}

QString pferde()
{
    QString s;
    while (s.size() < 3) {
        const QChar c(u'A' + static_cast<int>(zufall::r() * 5 + 1) - 1);
        if (!s.contains(c))
            s += c;
    }
    return s;
}

QString pferdeFehler(const QString& tipp)
{
    if (tipp.size() != 3)
        return QStringLiteral("ungültige Länge");
    if (tipp[0] == tipp[1] || tipp[0] == tipp[2] || tipp[1] == tipp[2])
        return QStringLiteral("Es sind keine doppelten Zeichen erlaubt!");
    return {};
}

QString rueckmeldung(const QString& tipp, const QString& loesung)
{
    QString r, f;
    for (int i = 0; i < loesung.size(); ++i) {
        if (i < tipp.size() && tipp[i] == loesung[i])
            r += QLatin1Char('R');
        else if (tipp.contains(loesung[i]))
            f += QLatin1Char('F');
    }
    return r + f;
}

QString pferdeText(const QString& rueckmeldung)
{
    static const std::map<QString, QString> texte{
        {QStringLiteral("R"), QStringLiteral("Ein Pferd richtig plaziert!")},
        {QStringLiteral("RR"), QStringLiteral("Zwei Pferde richtig plaziert!")},
        {QStringLiteral("F"), QStringLiteral("Ein Pferd richtig, aber falsch plaziert!")},
        {QStringLiteral("FF"), QStringLiteral("Zwei Pferde richtig, aber falsch plaziert!")},
        {QStringLiteral("FFF"), QStringLiteral("Drei Pferde richtig, aber falsch plaziert!")},
        {QStringLiteral("RF"), QStringLiteral("Ein Pferd richtig! Ein Pferd richtig, aber falsch plaziert!")},
        {QStringLiteral("RFF"), QStringLiteral("Ein Pferd richtig! Zwei Pferde richtig, aber falsch plaziert!")},
        {QStringLiteral("RRF"), QStringLiteral("Zwei Pferde richtig! Ein Pferd richtig, aber falsch plaziert!")},
        {QStringLiteral("RRR"), QStringLiteral("Getroffen!")},
    };
    const auto it = texte.find(rueckmeldung);
    return it == texte.end() ? QString() : it->second;
}

}
