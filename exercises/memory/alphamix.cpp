#include "exercises/memory/alphamix.h"

#include "common/zufall.h"

#include <algorithm>
#include <vector>

void Alphamix::neuesSpiel()
{
    m_gitter.fill(0);
    for (int v = 1; v <= kBuchstaben; ++v) {
        // as even as drawing any cell until an empty one comes up, and it ends
        std::vector<int> leer;
        for (int i = 0; i < kSpalten * kZeilen; ++i)
            if (m_gitter[i] == 0)
                leer.push_back(i);
        m_gitter[leer[zufall::R(int(leer.size())) - 1]] = v;
    }
    m_gefunden = 0;
    m_folge.clear();
    m_punkte = kStart;
}

int Alphamix::wert(QPoint z) const
{
    if (z.x() < 0 || z.x() >= kSpalten || z.y() < 0 || z.y() >= kZeilen)
        return 0;
    return m_gitter[z.y() * kSpalten + z.x()];
}

bool Alphamix::waehle(QPoint z)
{
    if (!fertig() && wert(z) == m_gefunden + 1) {
        ++m_gefunden;
        m_folge += QChar(64 + m_gefunden);
        m_punkte += kSchritt;
        return true;
    }
    m_punkte -= kSchritt;
    return false;
}

void Alphamix::setze(const QString& zeilen)
{
    m_gitter.fill(0);
    for (int i = 0; i < std::min(int(zeilen.size()), kSpalten * kZeilen); ++i)
        if (zeilen[i].isUpper())
            m_gitter[i] = zeilen[i].unicode() - 64;
    m_gefunden = 0;
    m_folge.clear();
    m_punkte = kStart;
}
