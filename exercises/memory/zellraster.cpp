#include "exercises/memory/zellraster.h"

#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/tasten.h"

Zellraster::Zellraster(int spalten, int zeilen, int breite, int hoehe)
    : m_spalten(spalten), m_zeilen(zeilen), m_cw(spalten > 0 ? breite / spalten : 0),
      m_ch(zeilen > 0 ? hoehe / zeilen : 0), m_ux(spalten > 0 ? float(breite) / float(10 * spalten) : 0.0f),
      m_uy(zeilen > 0 ? float(hoehe) / float(10 * zeilen) : 0.0f)
{
}

bool Zellraster::enthaelt(QPoint z) const
{
    return z.x() >= 0 && z.x() < m_spalten && z.y() >= 0 && z.y() < m_zeilen;
}

// The index of the cell strictly around x; -1 on a line, the edge or beyond.
int Zellraster::teil(int x, int breite, int anzahl)
{
    if (breite <= 0 || x <= 0 || x % breite == 0)
        return -1;
    const int i = x / breite;
    return i < anzahl ? i : -1;
}

std::optional<QPoint> Zellraster::zelleBei(QPoint p) const
{
    const int c = teil(p.x(), m_cw, m_spalten);
    const int r = teil(p.y(), m_ch, m_zeilen);
    if (c < 0 || r < 0)
        return std::nullopt;
    return QPoint(c, r);
}

QRect Zellraster::zelle(QPoint z) const { return {z.x() * m_cw, z.y() * m_ch, m_cw + 1, m_ch + 1}; }

QRect Zellraster::cursorrahmen(QPoint z) const
{
    // the float unit times an integer, cut toward zero
    const auto bei = [](int zehntel, float einheit) { return int(double(zehntel) * double(einheit)); };
    return QRect(QPoint(bei(10 * z.x() + 1, m_ux), bei(10 * z.y() + 1, m_uy)),
                 QPoint(bei(10 * z.x() + 9, m_ux), bei(10 * z.y() + 9, m_uy)));
}

bool Zellraster::bewege(int taste, QPoint& cursor) const
{
    if (m_spalten <= 0 || m_zeilen <= 0)
        return false;
    QPoint neu = cursor;
    switch (taste) {
    case taste::kLinks: neu.rx() -= 1; break;
    case taste::kRechts: neu.rx() += 1; break;
    case taste::kHoch: neu.ry() -= 1; break;
    case taste::kRunter: neu.ry() += 1; break;
    default: return false;
    }
    cursor = QPoint((neu.x() + m_spalten) % m_spalten, (neu.y() + m_zeilen) % m_zeilen);
    return true;
}

void Zellraster::leeresBrett(Leinwand& c, int breite, int hoehe, bool linien) const
{
    const int w = m_spalten * m_cw;
    const int h = m_zeilen * m_ch;
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.pinselKlar = false;
    c.pinselFarbe = farbe::buttonFace();
    c.fuellen(0, 0, breite, hoehe);  // what the last run left
    c.rechteck(0, 0, w, h);
    if (!linien)
        return;
    // the lines end a pixel before their end point, as the window system draws them
    for (int x = 1; x <= m_spalten; ++x)
        c.linie(x * m_cw, 0, x * m_cw, h - 1);
    for (int y = 1; y <= m_zeilen; ++y)
        c.linie(0, y * m_ch, w - 1, y * m_ch);
}

QRect Zellraster::rahmen(Leinwand& c, QPoint zelle, const QColor& stift) const
{
    const QRect r = cursorrahmen(zelle);
    c.pinselKlar = true;
    c.stiftBreite = 1;
    c.stiftFarbe = stift;
    c.rechteck(r.left(), r.top(), r.right(), r.bottom());
    c.stiftFarbe = farbe::schwarz;
    c.pinselKlar = false;
    return r.adjusted(0, 0, 1, 1);
}
