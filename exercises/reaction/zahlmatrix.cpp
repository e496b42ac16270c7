#include "exercises/reaction/zahlmatrix.h"

#include "common/zufall.h"

#include <algorithm>

namespace {
constexpr int kGerade = 8;
}

bool Zahlmatrix::frei(int zahl) const { return std::find(m_zahlen.begin(), m_zahlen.end(), zahl) == m_zahlen.end(); }

// Distinct numbers among 99, or 49 even and 49 odd: every draw ends.
void Zahlmatrix::neu()
{
    const int zellen = m_spalten * kZeilen;
    m_zahlen.assign(zellen, 0);
    zufall::randomize();
    if (!m_nurGerade) {
        for (int& z : m_zahlen) {
            int n = 0;
            do
                n = zufall::R(99);
            while (!frei(n));
            z = n;
        }
        m_liste = m_zahlen;
    } else {
        m_liste.clear();
        for (int i = 0; i < kGerade; ++i) {
            int n = 0;
            do
                n = 2 * zufall::R(49);
            while (!frei(n));
            int zelle = 0;
            do
                zelle = zufall::R(zellen) - 1;
            while (m_zahlen[zelle] != 0);
            m_zahlen[zelle] = n;
            m_liste.push_back(n);
        }
        for (int& z : m_zahlen) {
            if (z != 0)
                continue;
            int n = 0;
            do
                n = 2 * zufall::R(49) - 1;
            while (!frei(n));
            z = n;
        }
    }
    std::sort(m_liste.begin(), m_liste.end());
    m_naechste = 1;
}

bool Zahlmatrix::waehle(int c, int r)
{
    if (fertig() || c < 0 || c >= m_spalten || r < 0 || r >= kZeilen)
        return false;
    if (zahl(c, r) != m_liste[m_naechste - 1])
        return false;
    ++m_naechste;
    return true;
}

QString Zahlmatrix::text(int c, int r) const { return QStringLiteral("%1").arg(zahl(c, r), 2, 10, QLatin1Char('0')); }
