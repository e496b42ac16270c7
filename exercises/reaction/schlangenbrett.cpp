#include "exercises/reaction/schlangenbrett.h"

#include "common/zufall.h"

void Schlangenbrett::neu()
{
    for (auto& spalte : m_feld)
        spalte.fill(kWand);
    for (int x = 1; x < kSpalten - 1; ++x)
        for (int y = 1; y < kZeilen - 1; ++y)
            m_feld[x][y] = 0;
    m_x = kStartX;
    m_y = kStartY;
    m_naechstes = 1;
    m_erreicht = 0;
    m_vorbei = false;
    zufall::randomize();
    // 26 of the 16 x 11 cells outside the start column: the draw always ends
    for (int n = 1; n <= kZiele; ++n) {
        int x = 0, y = 0;
        do {
            x = zufall::R(kSpalten - 2);
            y = zufall::R(kZeilen - 2);
        } while (m_feld[x][y] != 0 || x == kStartX);
        m_feld[x][y] = n;
    }
}

int Schlangenbrett::feld(int x, int y) const
{
    if (x < 0 || x >= kSpalten || y < 0 || y >= kZeilen)
        return kWand;
    return m_feld[x][y];
}

Schlangenbrett::Schritt Schlangenbrett::schritt(int dx, int dy)
{
    const int nx = m_x + dx, ny = m_y + dy;
    const int wert = feld(nx, ny);
    if (m_vorbei || wert == kWand)
        return Schritt::Wand;
    m_x = nx;
    m_y = ny;
    if (wert == 0)
        return Schritt::Frei;
    if (wert != m_naechstes) {
        m_vorbei = true;
        return Schritt::Fehler;
    }
    m_feld[nx][ny] = 0;
    ++m_naechstes;
    ++m_erreicht;
    if (m_erreicht < kZiele)
        return Schritt::Ziel;
    m_vorbei = true;
    return Schritt::Geschafft;
}
