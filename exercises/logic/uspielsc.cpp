#include "exercises/logic/uspielsc.h"

#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/tasten.h"

using namespace schieben;

namespace {
QColor kFarben[5] = {farbe::silber, farbe::blau, farbe::gruen, farbe::rot, farbe::weiss};
}

Tspielsc::Tspielsc() : Levelbrett(QStringLiteral("Tspielsc"), QStringLiteral("Schieben"), QStringLiteral("schieben.dat"))
{
}

bool Tspielsc::sondertaste(int t)
{
    if (t != taste::kLeer)
        return false;
    if (offen())
        zeichne(m_brett.leertaste());
    return true;
}

// A cell is 10u square: a box fills it, a target is a disc in the middle, a
// box on a target shows its own colour around the target's.
void Tspielsc::zelle(int x, int y)
{
    Leinwand& c = pb->canvas();
    const int u = einheit();
    const int x0 = (x - 1) * 10 * u;
    const int y0 = (y - 1) * 10 * u;
    const int code = m_brett.feld(x, y);
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.pinselKlar = false;
    c.pinselFarbe = code == kWand ? farbe::schwarz : farbe::silber;
    c.rechteck(x0, y0, x0 + 10 * u + 1, y0 + 10 * u + 1);
    if (code == kWand) {
        c.stiftFarbe = farbe::weiss;
        for (int i = 2; i < 10; i += 3)
            c.linie(x0 + u, y0 + i * u, x0 + 9 * u, y0 + i * u);
        return;
    }
    if (istKiste(code)) {
        c.pinselFarbe = kFarben[schieben::farbe(code)];
        c.rechteck(x0 + u, y0 + u, x0 + 9 * u + 1, y0 + 9 * u + 1);
    }
    if (const int z = m_brett.ziel(x, y)) {
        c.pinselFarbe = kFarben[z - kZiel];
        c.ellipse(x0 + 3 * u, y0 + 3 * u, x0 + 7 * u + 1, y0 + 7 * u + 1);
    }
}

void Tspielsc::roboter()
{
    Leinwand& c = pb->canvas();
    const int u = einheit();
    const QPoint p = m_brett.schieber();
    const int x0 = (p.x() - 1) * 10 * u;
    const int y0 = (p.y() - 1) * 10 * u;
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.pinselKlar = false;
    c.pinselFarbe = farbe::gelb;
    c.ellipse(x0 + 2 * u, y0 + 2 * u, x0 + 8 * u + 1, y0 + 8 * u + 1);
}
