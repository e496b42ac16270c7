#include "exercises/numbers/summenbrett.h"

#include "common/zufall.h"
#include "platform/tasten.h"

#include <QPoint>
#include <algorithm>
#include <vector>

void Summenbrett::neu(int richtige)
{
    zufall::randomize();
    m_felder = {};
    // at most 48 of the 100 cells: each digit finds an empty one. Drawn from
    // the empty cells, the same as drawing cells until one is empty, but with
    // an end whatever the numbers.
    const int d = std::min(10 + 2 * richtige, kHoechstens);
    std::vector<QPoint> frei;
    for (int x = 1; x <= kSeite; ++x)
        for (int y = 1; y <= kSeite; ++y)
            frei.emplace_back(x, y);
    for (int i = 0; i < d; ++i) {
        const int r = zufall::R(4);
        const auto it = frei.begin() + (zufall::R(int(frei.size())) - 1);
        m_felder[it->x() - 1][it->y() - 1] = r;
        frei.erase(it);
    }
    // the target: a square that holds a digit, each such square alike
    std::vector<QPoint> quadrate;
    for (int x = 1; x <= kLetzte; ++x)
        for (int y = 1; y <= kLetzte; ++y)
            if (summe(x, y) >= 1)
                quadrate.emplace_back(x, y);
    const QPoint q = quadrate[zufall::R(int(quadrate.size())) - 1];
    setze(m_felder, q.x(), q.y());
}

void Summenbrett::setze(const Felder& felder, int x0, int y0)
{
    m_felder = felder;
    m_x0 = x0;
    m_y0 = y0;
    m_ziel = summe(x0, y0);
    fx = 2;
    fy = 2;
}

int Summenbrett::summe(int x, int y) const
{
    int s = 0;
    for (int i = x; i < x + 3; ++i)
        for (int j = y; j < y + 3; ++j)
            s += zelle(i, j);
    return s;
}

int Summenbrett::ziffern() const
{
    int n = 0;
    for (const auto& spalte : m_felder)
        n += int(std::count_if(spalte.begin(), spalte.end(), [](int z) { return z != 0; }));
    return n;
}

bool Summenbrett::bewege(int taste)
{
    switch (taste) {
    case taste::kLinks: --fx; break;
    case taste::kHoch: --fy; break;
    case taste::kRechts: ++fx; break;
    case taste::kRunter: ++fy; break;
    default: return false;
    }
    const auto wickle = [](int& v) { v = v < 1 ? kLetzte : v > kLetzte ? 1 : v; };
    wickle(fx);
    wickle(fy);
    return true;
}
