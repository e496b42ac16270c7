#include "exercises/shared/wortliste.h"

#include "common/fehler.h"
#include "common/satzdatei.h"
#include "common/zufall.h"

#include <algorithm>

namespace wortliste {

namespace {

std::vector<TBegriff> lies(int anzahl)
{
    const QStringList woerter = Satzdatei::liesTexte(kDatei, kSatzgroesse, anzahl);
    return {woerter.begin(), woerter.end()};
}

}

std::vector<TBegriff> ganzeListe() { return lies(kWoerter); }

std::vector<TBegriff> ersteWoerter() { return lies(kErste); }

Laengenfilter hoechstens(int zeichen)
{
    return [zeichen](int laenge) { return laenge <= zeichen; };
}

Laengenfilter genau(int zeichen)
{
    return [zeichen](int laenge) { return laenge == zeichen; };
}

std::vector<TBegriff> ziehe(const std::vector<TBegriff>& liste, int anzahl, const Laengenfilter& passt,
                            bool verschieden)
{
    // Drawing among the fitting records that are still allowed gives every
    // such record the same chance, as drawing any record until one fits does,
    // but it ends: when the candidates run out, the list holds too few words.
    std::vector<int> kandidaten;
    for (int i = 0; i < static_cast<int>(liste.size()); ++i)
        if (!liste[i].isEmpty() && passt(liste[i].size()))
            kandidaten.push_back(i);

    std::vector<TBegriff> gezogen;
    while (static_cast<int>(gezogen.size()) < anzahl) {
        if (kandidaten.empty())
            throw VelmoraFehler(zuWenigeWoerter());
        const int k = zufall::R(static_cast<int>(kandidaten.size())) - 1;
        const TBegriff wort = liste[kandidaten[k]];
        gezogen.push_back(wort);
        if (verschieden)
            std::erase_if(kandidaten, [&](int i) { return liste[i] == wort; });
    }
    return gezogen;
}

QString zuWenigeWoerter()
{
    return QStringLiteral("Die Wortliste \"%1\" enthält zu wenige passende Wörter für diese Übung.").arg(kDatei);
}

std::vector<TBegriff> zufallNachLaenge(int anzahl, const Laengenfilter& passt, bool verschieden)
{
    return ziehe(ganzeListe(), anzahl, passt, verschieden);
}

}
