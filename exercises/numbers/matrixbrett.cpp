#include "exercises/numbers/matrixbrett.h"

#include "common/zufall.h"

int Matrixbrett::zellwert(int x, int y) const
{
    const int a = kopf(x, 0);
    const int b = kopf(0, y);
    return m_zeichen == QLatin1Char('*') ? a * b : a + b;
}

void Matrixbrett::neuerLauf()
{
    m_k = 1;
    m_stufe = 1;
    m_richtige = 0;
    neuesBrett();
    naechstesZiel();
}

void Matrixbrett::neuesBrett()
{
    zufall::randomize();
    if (m_richtige >= kAufstieg)
        ++m_stufe;
    m_richtige = 0;
    m_kopf.fill(0);
    m_benutzt.fill(false);
    m_kopf[index(1, 0)] = zufall::R(5);
    for (int x = 1; x < kSpalten - 1; ++x)
        m_kopf[index(x + 1, 0)] = m_kopf[index(x, 0)] + zufall::R(2 * m_stufe);
    m_kopf[index(0, 1)] = zufall::R(5);
    for (int y = 1; y < kZeilen - 1; ++y)
        m_kopf[index(0, y + 1)] = m_kopf[index(0, y)] + zufall::R(2 * m_stufe);
    m_wahlen = 0;
    m_offen = true;
}

void Matrixbrett::naechstesZiel()
{
    // at most 9 of the 20 inner cells are used here, so a free one is found;
    // a scripted sequence that keeps hitting used cells takes the first free one
    int x = 0, y = 0;
    for (int versuch = 0; versuch < 1000 && (x == 0 || m_benutzt[index(x, y)]); ++versuch) {
        x = zufall::R(kSpalten - 1);
        y = zufall::R(kZeilen - 1);
    }
    for (int i = 0; m_benutzt[index(x, y)]; ++i) {
        x = 1 + i % (kSpalten - 1);
        y = 1 + i / (kSpalten - 1);
    }
    m_zielfeld = QPoint(x, y);
    m_ziel = zellwert(x, y);
}

Matrixbrett::Wahl Matrixbrett::waehle(int x, int y)
{
    if (!m_offen || !innen(x, y) || m_benutzt[index(x, y)])
        return Wahl::Nichts;
    m_benutzt[index(x, y)] = true;
    const bool richtig = zellwert(x, y) == m_ziel;
    if (richtig)
        ++m_richtige;
    if (++m_wahlen == kWahlen) {
        m_wahlen = 0;
        m_offen = false;
    } else {
        naechstesZiel();
    }
    return richtig ? Wahl::Richtig : Wahl::Falsch;
}

bool Matrixbrett::weiter()
{
    if (m_offen || m_k > kBretter)
        return false;
    if (++m_k > kBretter)
        return false;
    neuesBrett();
    naechstesZiel();
    return true;
}
