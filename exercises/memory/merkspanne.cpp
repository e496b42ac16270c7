#include "exercises/memory/merkspanne.h"

#include "common/punkte.h"
#include "common/zufall.h"

#include <algorithm>
#include <cmath>

namespace merkspanne {

std::vector<QString> zahlen()
{
    std::array<bool, 100> benutzt{};
    std::vector<QString> z;
    while (static_cast<int>(z.size()) < kZellen) {
        const int n = static_cast<int>(zufall::r() * 90 + 10);
        if (benutzt[n])
            continue;
        benutzt[n] = true;
        z.push_back(QString::number(n));
    }
    return z;
}

std::vector<QString> woerter(const std::vector<TBegriff>& liste)
{
    const std::vector<TBegriff> w = wortliste::ziehe(liste, kZellen, wortliste::hoechstens(7));
    return {w.begin(), w.end()};
}

Runde::Runde(std::vector<QString> elemente, int k) : m_elemente(std::move(elemente))
{
    m_elemente.resize(kZellen);
    // more than the left column holds would never end the draw below
    k = std::clamp(k, 1, kMaxK);
    while (static_cast<int>(m_liste.size()) < k) {
        const int spalte = static_cast<int>(zufall::r() * 2 + 1);
        const int zeile = static_cast<int>(zufall::r() * 6 + 1);
        const int z = zelle(spalte - 1, zeile - 1);
        if (m_inListe[z])
            continue;
        m_inListe[z] = true;
        m_liste.push_back(z);
    }
}

QString Runde::listenplatz(int platz) const
{
    if (platz == kZellen)
        return kLeertaste;
    return platz >= 1 && platz <= k() ? m_elemente[m_liste[platz - 1]] : QString();
}

Runde::Wahl Runde::waehle(int z)
{
    if (m_beurteilt || z < 0 || z >= kZellen || m_elemente.empty())
        return Wahl::Nichts;
    if (m_gewaehlt[z]) {
        m_gewaehlt[z] = false;
        --m_gewaehltZahl;
        return Wahl::Abgewaehlt;
    }
    m_gewaehlt[z] = true;
    if (++m_gewaehltZahl < k())
        return Wahl::Gewaehlt;
    m_beurteilt = true;
    return Wahl::Beurteilt;
}

int Runde::treffer() const
{
    int n = 0;
    for (int z = 0; z < kZellen; ++z)
        n += m_gewaehlt[z] && m_inListe[z];
    return n;
}

void Spanne::werte(int treffer)
{
    if (treffer != m_k)
        return;
    if (++m_serie == 2) {
        ++m_k;
        m_serie = 0;
    }
}

float endpunkte(float punkte, double sekunden)
{
    double p = static_cast<float>(static_cast<double>(punkte) - sekunden);
    if (!(p >= punkte::kMindestens))
        p = punkte::kMindestens;
    return static_cast<float>(std::trunc(p) + 0.0005);
}

}
