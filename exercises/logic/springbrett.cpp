#include "exercises/logic/springbrett.h"

using namespace springen;

namespace {
const QPoint kRichtung[5] = {{0, 0}, {0, -1}, {1, 0}, {0, 1}, {-1, 0}};

bool aufBrett(QPoint p) { return p.x() >= 1 && p.x() <= 10 && p.y() >= 1 && p.y() <= 10; }
}

void Springbrett::lade(const QByteArray& zellen)
{
    m_feld.fill(kRand);
    m_steine = 0;
    for (int y = 1; y <= 10; ++y)
        for (int x = 1; x <= 10; ++x) {
            const int i = (y - 1) * 10 + x - 1;
            const char c = i < zellen.size() ? zellen.at(i) : '\0';
            const int code = c == '1' ? kAussen : c == '2' ? kStein : c == '3' ? kLoch : kTot;
            m_feld[std::size_t(y * 16 + x)] = code;
            m_steine += code == kStein;
        }
    m_cursor = QPoint(1, 3);
    m_gewaehlt = false;
}

int Springbrett::feld(int x, int y) const
{
    if (x < 0 || x > 15 || y < 0 || y > 15)
        return kRand;
    return m_feld[std::size_t(y * 16 + x)];
}

void Springbrett::pfeil(int richtung)
{
    if (richtung < 1 || richtung > 4)
        return;
    const QPoint n = m_cursor + kRichtung[richtung];
    m_cursor = QPoint((n.x() + 9) % 10 + 1, (n.y() + 9) % 10 + 1);
}

std::vector<QPoint> Springbrett::waehle(int x, int y)
{
    const QPoint c(x, y);
    if (!aufBrett(c))
        return {};
    if (!m_gewaehlt) {
        if (zelle(c) != kStein)
            return {};
        zelle(c) = kGewaehlt;
        m_gewaehlt = true;
        m_wahl = c;
        return {c};
    }
    if (c == m_wahl) {
        zelle(c) = kStein;
        m_gewaehlt = false;
        return {c};
    }
    const QPoint d = c - m_wahl;
    const bool gerade = (qAbs(d.x()) == 2 && d.y() == 0) || (d.x() == 0 && qAbs(d.y()) == 2);
    const QPoint mitte = m_wahl + d / 2;
    if (!gerade || zelle(c) != kLoch || zelle(mitte) != kStein)
        return {};
    zelle(m_wahl) = kLoch;
    zelle(mitte) = kLoch;
    zelle(c) = kStein;
    --m_steine;
    m_gewaehlt = false;
    return {m_wahl, mitte, c};
}

std::optional<QPoint> Springbrett::zelleBei(int X, int Y, int u)
{
    if (u <= 0 || X < 0 || Y < 0)
        return std::nullopt;
    const QPoint c(X / (10 * u) + 1, Y / (10 * u) + 1);
    if (!aufBrett(c))
        return std::nullopt;
    return c;
}

QByteArray Springbrett::schluessel() const
{
    QByteArray k(kZellen, '\0');
    for (int y = 1; y <= 10; ++y)
        for (int x = 1; x <= 10; ++x)
            k[(y - 1) * 10 + x - 1] = char(feld(x, y));
    return k;
}
