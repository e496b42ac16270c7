#include "exercises/logic/uspielsp.h"

#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/tasten.h"

#include <QMouseEvent>

using namespace springen;

Tspielsp::Tspielsp() : Levelbrett(QStringLiteral("Tspielsp"), QStringLiteral("Springen"), QStringLiteral("springen.dat"))
{
    pb->installEventFilter(this);
}

void Tspielsp::pfeil(int richtung)
{
    const QPoint alt = m_brett.cursor();
    m_brett.pfeil(richtung);
    zeichne({alt});
}

bool Tspielsp::sondertaste(int t)
{
    if (t != taste::kEnter)
        return false;
    if (offen())
        zeichne(m_brett.waehle(m_brett.cursor().x(), m_brett.cursor().y()));
    return true;
}

bool Tspielsp::eventFilter(QObject* o, QEvent* e)
{
    if (o == pb && e->type() == QEvent::MouseButtonPress) {
        const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
        // the strip beyond the tenth column and row is no cell
        if (offen())
            if (const auto c = Springbrett::zelleBei(p.x(), p.y(), einheit())) {
                zeichne(m_brett.waehle(c->x(), c->y()));
                pruefe(QStringLiteral("GESCHAFFT"));
            }
        return true;
    }
    return Levelbrett::eventFilter(o, e);
}

// A cell is 10u square, (x, y) from (x - 1) * 10u.
void Tspielsp::zelle(int x, int y)
{
    Leinwand& c = pb->canvas();
    const int u = einheit();
    const int x0 = (x - 1) * 10 * u;
    const int y0 = (y - 1) * 10 * u;
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.pinselKlar = false;
    const int code = m_brett.feld(x, y);
    c.pinselFarbe = code == kAussen ? farbe::blau : farbe::silber;
    c.rechteck(x0, y0, x0 + 10 * u + 1, y0 + 10 * u + 1);
    switch (code) {
    case kAussen:
        c.stiftFarbe = farbe::weiss;
        for (int i = 2; i < 10; i += 3)
            c.linie(x0 + u, y0 + i * u, x0 + 9 * u, y0 + i * u);
        break;
    case kStein:
    case kGewaehlt:
        c.pinselFarbe = code == kStein ? farbe::gruen : farbe::schwarz;
        c.ellipse(x0 + 2 * u, y0 + 2 * u, x0 + 8 * u + 1, y0 + 8 * u + 1);
        break;
    case kLoch:
        c.pinselFarbe = farbe::weiss;
        c.rechteck(x0 + 3 * u, y0 + 3 * u, x0 + 7 * u + 1, y0 + 7 * u + 1);
        break;
    default: break;
    }
}

// The cursor: a yellow frame, so the cell under it stays visible.
void Tspielsp::roboter()
{
    Leinwand& c = pb->canvas();
    const int u = einheit();
    const QPoint p = m_brett.cursor();
    c.stiftFarbe = farbe::gelb;
    c.stiftBreite = std::max(2, u);
    c.pinselKlar = true;
    c.rechteck((p.x() - 1) * 10 * u + u / 2 + 1, (p.y() - 1) * 10 * u + u / 2 + 1, p.x() * 10 * u - u / 2,
               p.y() * 10 * u - u / 2);
    c.stiftBreite = 1;
    c.pinselKlar = false;
}
