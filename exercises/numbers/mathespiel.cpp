#include "exercises/numbers/mathespiel.h"

#include "common/zufall.h"

void Mathespiel::neuerLauf()
{
    m_k = 1;
    m_richtig = 0;
    m_w = 1;
    m_offen = false;
}

void Mathespiel::neueRunde()
{
    zufall::randomize();
    m_ziel.fill(false);
    m_gewaehlt.fill(false);
    m_wert[0] = zufall::R(3);
    for (int i = 1; i < kSpalten * kZeilen; ++i)
        m_wert[i] = m_wert[i - 1] + zufall::R(m_w);
    m_zielwert = 0;
    for (int n = 0; n < kWahlen; ++n) {
        // the column first; a scripted sequence that keeps hitting taken
        // cells must not loop for ever: then the first free cell is taken
        int i = -1;
        for (int versuch = 0; versuch < 1000 && (i < 0 || m_ziel[i]); ++versuch) {
            const int x = zufall::R(kSpalten) - 1;
            i = index(x, zufall::R(kZeilen) - 1);
        }
        while (m_ziel[i])
            i = (i + 1) % (kSpalten * kZeilen);
        m_ziel[i] = true;
        m_zielwert += m_wert[i];
    }
    m_summe = 0;
    m_anzahl = 0;
    m_offen = true;
}

Mathespiel::Wahl Mathespiel::waehle(int x, int y)
{
    if (!m_offen || !imBrett(x, y))
        return Wahl::Nichts;
    const int i = index(x, y);
    if (m_gewaehlt[i]) {
        m_gewaehlt[i] = false;
        --m_anzahl;
        m_summe -= m_wert[i];
        return Wahl::Abgewaehlt;
    }
    m_gewaehlt[i] = true;
    ++m_anzahl;
    m_summe += m_wert[i];
    if (m_anzahl < kWahlen)
        return Wahl::Gewaehlt;
    m_offen = false;
    if (m_summe != m_zielwert)
        return Wahl::Falsch;
    if (++m_richtig == kStufe) {
        m_richtig = 0;
        ++m_w;
    }
    return Wahl::Richtig;
}

bool Mathespiel::weiter()
{
    if (m_offen || m_k > kRunden)
        return false;
    if (++m_k > kRunden)
        return false;
    neueRunde();
    return true;
}
