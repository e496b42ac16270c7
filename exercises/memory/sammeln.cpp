#include "exercises/memory/sammeln.h"

#include "common/zufall.h"

#include <vector>

int Sammelgitter::wert(QPoint z) const
{
    if (z.x() < 0 || z.x() >= kSpalten || z.y() < 0 || z.y() >= kZeilen)
        return 0;
    return codes[z.y() * kSpalten + z.x()];
}

Sammelgitter baueSammelgitter(int n)
{
    Sammelgitter g;
    g.muster = zufall::R(n);
    for (int k = 0; k < Sammelgitter::kKopien; ++k) {
        // a draw among the empty cells: as even as drawing until one is
        // empty, and it ends whatever the numbers
        std::vector<int> leer;
        for (int i = 0; i < int(g.codes.size()); ++i)
            if (g.codes[i] == 0)
                leer.push_back(i);
        const int i = leer[zufall::R(int(leer.size())) - 1];
        g.codes[i] = g.muster;
        g.probe = QPoint(i % Sammelgitter::kSpalten, i / Sammelgitter::kSpalten);
    }
    for (int c = 0; c < Sammelgitter::kSpalten; ++c)
        for (int r = 0; r < Sammelgitter::kZeilen; ++r) {
            int& v = g.codes[r * Sammelgitter::kSpalten + c];
            if (v != 0)
                continue;
            // one of the n - 1 items other than S, evenly
            v = zufall::R(n - 1);
            if (v >= g.muster)
                ++v;
        }
    return g;
}

void Sammelspiel::neuerLauf()
{
    m_gefunden = 0;
    m_fertig = 0;
    m_punkte = kStart;
}

void Sammelspiel::neuesGitter(int n) { setze(baueSammelgitter(n)); }

void Sammelspiel::setze(const Sammelgitter& g)
{
    m_gitter = g;
    m_gefunden = 0;
}

bool Sammelspiel::waehle(QPoint z)
{
    if (m_gitter.muster != 0 && m_gitter.wert(z) == m_gitter.muster) {
        m_gitter.codes[z.y() * Sammelgitter::kSpalten + z.x()] = 0;
        ++m_gefunden;
        m_punkte += kSchritt;
        return true;
    }
    m_punkte -= kSchritt;
    return false;
}

bool Sammelspiel::naechstesGitter()
{
    m_gefunden = 0;
    if (++m_fertig < kGitter)
        return true;
    m_fertig = 0;
    return false;
}
