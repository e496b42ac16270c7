#include "exercises/reaction/fallbrett.h"

void Fallbrett::leeren()
{
    m_feld.fill(0);
    for (int y = 0; y <= 14; ++y) {
        setze(0, y, kWand);
        setze(10, y, kWand);
    }
    for (int x = 0; x <= 10; ++x)
        setze(x, 14, kWand);
}

bool Fallbrett::gueltig(int x, int y) { return x >= 0 && x <= 10 && y >= -1 && y <= 14; }

int Fallbrett::wert(int x, int y) const { return gueltig(x, y) ? m_feld[index(x, y)] : kWand; }

void Fallbrett::setze(int x, int y, int w)
{
    if (gueltig(x, y))
        m_feld[index(x, y)] = w;
}

bool Fallbrett::passt(const fall::Stein& s, int dx, int dy) const
{
    for (const fall::Block& b : s.bloecke)
        if (!frei(b.x + dx, b.y + dy))
            return false;
    return true;
}

void Fallbrett::verschiebe(fall::Stein& s, int dx, int dy)
{
    for (fall::Block& b : s.bloecke) {
        b.x += dx;
        b.y += dy;
    }
}

int Fallbrett::fallweite(const fall::Stein& s) const
{
    int n = 0;
    while (passt(s, 0, n + 1))
        ++n;
    return n;
}

bool Fallbrett::drehe(fall::Stein& s, const std::vector<fall::Drehung>& tabelle) const
{
    for (const fall::Drehung& d : tabelle) {
        if (d.form != s.form || d.von != s.lage)
            continue;
        const fall::Block& b1 = s.bloecke.front();
        for (const fall::Zelle& z : d.geprueft)
            if (!frei(b1.x + z.x, b1.y + z.y))
                return false;
        for (std::size_t i = 0; i < s.bloecke.size() && i < d.weg.size(); ++i) {
            s.bloecke[i].x += d.weg[i].x;
            s.bloecke[i].y += d.weg[i].y;
        }
        s.lage = d.nach;
        return true;
    }
    return false;
}
