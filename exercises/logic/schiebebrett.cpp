#include "exercises/logic/schiebebrett.h"

using namespace schieben;

namespace {
const QPoint kRichtung[5] = {{0, 0}, {0, -1}, {1, 0}, {0, 1}, {-1, 0}};
}

bool schieben::istKiste(int code) { return (code >= 1 && code <= 4) || (code >= 15 && code <= 18); }
bool schieben::istFrei(int code) { return code == kBoden || (code >= 5 && code <= 8); }

int schieben::farbe(int code)
{
    if (code >= 1 && code <= 4)
        return code;
    if (code >= 5 && code <= 8)
        return code - kZiel;
    if (code >= 15 && code <= 18)
        return code - kAufZiel;
    return 0;
}

void Schiebebrett::lade(const QByteArray& zellen)
{
    m_feld.fill(kRand);
    m_ziel.fill(0);
    m_ziele = 0;
    m_platziert = 0;
    m_schieber = QPoint(1, 3);
    m_rueck.an = false;
    for (int y = 1; y <= 10; ++y)
        for (int x = 1; x <= 10; ++x) {
            const int i = (y - 1) * 10 + x - 1;
            const char c = i < zellen.size() ? zellen.at(i) : '.';
            const QPoint p(x, y);
            int code = kBoden;
            if (c >= '1' && c <= '9')
                code = c - '0';
            else if (c == 'R')
                m_schieber = p;
            m_feld[index(p)] = std::uint8_t(code);
            if (code >= 5 && code <= 8) {
                m_ziel[index(p)] = std::uint8_t(code);
                ++m_ziele;
            }
        }
}

int Schiebebrett::feld(int x, int y) const
{
    if (x < 0 || x > 15 || y < 0 || y > 15)
        return kRand;
    return m_feld[std::size_t(y * 16 + x)];
}

int Schiebebrett::ziel(int x, int y) const
{
    if (x < 0 || x > 15 || y < 0 || y > 15)
        return 0;
    return m_ziel[std::size_t(y * 16 + x)];
}

std::vector<QPoint> Schiebebrett::zug(int richtung)
{
    if (richtung < 1 || richtung > 4)
        return {};
    const QPoint alt = m_schieber;
    m_rueck.schieber = alt;
    m_rueck.an = false;
    const QPoint t1 = alt + kRichtung[richtung];
    const int c1 = code(t1);
    if (istFrei(c1)) {
        m_schieber = t1;
        return {alt, t1};
    }
    // the cell beyond only matters behind a box
    if (!istKiste(c1))
        return {};
    const QPoint t2 = t1 + kRichtung[richtung];
    const int c2 = code(t2);
    if (!istFrei(c2))
        return {};
    const int f = farbe(c1);
    m_rueck.von = t1;
    m_rueck.nach = t2;
    m_rueck.codeVon = c1;
    m_rueck.codeNach = c2;
    m_rueck.platziert = m_platziert;
    m_rueck.an = true;
    const int zielVon = m_ziel[index(t1)];
    m_feld[index(t1)] = std::uint8_t(zielVon);
    if (zielVon && zielVon - kZiel == f)
        --m_platziert;
    if (c2 == kBoden) {
        m_feld[index(t2)] = std::uint8_t(f);
    } else {
        m_feld[index(t2)] = std::uint8_t(kAufZiel + f);
        if (c2 - kZiel == f)
            ++m_platziert;
    }
    m_schieber = t1;
    return {alt, t1, t2};
}

std::vector<QPoint> Schiebebrett::leertaste()
{
    if (!m_rueck.an)
        return {};
    m_rueck.an = false;
    const QPoint war = m_schieber;
    m_schieber = m_rueck.schieber;
    m_feld[index(m_rueck.von)] = std::uint8_t(m_rueck.codeVon);
    m_feld[index(m_rueck.nach)] = std::uint8_t(m_rueck.codeNach);
    m_platziert = m_rueck.platziert;
    return {war, m_schieber, m_rueck.nach};
}

QByteArray Schiebebrett::schluessel() const
{
    QByteArray k(kZellen + 2, '\0');
    for (int y = 1; y <= 10; ++y)
        for (int x = 1; x <= 10; ++x)
            k[(y - 1) * 10 + x - 1] = char(feld(x, y));
    k[kZellen] = char(m_schieber.x());
    k[kZellen + 1] = char(m_schieber.y());
    return k;
}
