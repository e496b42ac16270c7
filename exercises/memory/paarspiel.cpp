#include "exercises/memory/paarspiel.h"

#include "common/zufall.h"

#include <algorithm>

Paarspiel::Paarspiel(int spalten, int zeilen, int paare)
    : m_spalten(spalten), m_zeilen(zeilen), m_paare(paare), m_brett(spalten * zeilen, 0)
{
}

bool Paarspiel::aufBrett(QPoint z) const
{
    return z.x() >= 0 && z.x() < m_spalten && z.y() >= 0 && z.y() < m_zeilen;
}

void Paarspiel::neuesSpiel()
{
    std::fill(m_brett.begin(), m_brett.end(), 0);
    // drawing among the empty cells gives each the chance that drawing any cell
    // until an empty one comes up gives it, and it cannot miss forever
    for (int v = 1; v <= m_paare; ++v) {
        for (int zweimal = 0; zweimal < 2; ++zweimal) {
            std::vector<int> leer;
            for (int i = 0; i < int(m_brett.size()); ++i)
                if (m_brett[i] == 0)
                    leer.push_back(i);
            if (leer.empty())
                break;  // more pairs than cells: a table fault, never a hang
            m_brett[leer[zufall::R(int(leer.size())) - 1]] = v;
        }
    }
    m_umgedreht = 0;
    m_erste = m_zweite = QPoint();
    m_gefunden = 0;
    m_punkte = kStart;
}

int Paarspiel::wert(QPoint z) const { return aufBrett(z) ? m_brett[z.y() * m_spalten + z.x()] : 0; }

Paarspiel::Zug Paarspiel::drehe(QPoint z)
{
    if (wert(z) <= 0 || m_umgedreht >= 2 || (m_umgedreht == 1 && z == m_erste))
        return Zug::Nichts;
    ++m_umgedreht;
    m_punkte -= kKarte;
    if (m_umgedreht == 1) {
        m_erste = z;
        return Zug::Erste;
    }
    m_zweite = z;
    return Zug::Zweite;
}

bool Paarspiel::vergleiche()
{
    if (m_umgedreht < 2)
        return false;
    m_umgedreht = 0;
    if (wert(m_erste) != wert(m_zweite))
        return false;
    zelle(m_erste) = 0;
    zelle(m_zweite) = 0;
    ++m_gefunden;
    m_punkte += kPaar;
    return true;
}
