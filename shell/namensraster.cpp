#include "shell/namensraster.h"

#include "common/zustand.h"
#include "platform/anwendung.h"
#include "platform/farben.h"
#include "platform/schriften.h"
#include "platform/tasten.h"

#include <QMouseEvent>

Namensraster::Namensraster(QWidget* parent) : Form(parent)
{
    setzeMaximiert(true);
    setzeKeyPreview(true);
    setzeFarbe(farbe::buttonFace());
    setFont(schrift::font(QStringLiteral("Arial"), 11));
}

void Namensraster::aufbau(const QStringList& namen)
{
    einheity = height() / 100;
    einheitx = width() / 100;
    repaintWindow();
    cursorx = 0;
    cursory = 0;
    Leinwand& c = canvas();
    c.pinselKlar = true;
    c.stiftFarbe = farbe::schwarz;
    c.schriftFarbe = farbe::schwarz;
    c.schrift = schrift::font(QStringLiteral("Arial"), 4 * einheity);
    for (int k = 0; k < namen.size() && k < 40; ++k)
        c.text((k / 10 * 25 + 5) * einheitx, (k % 10 * 8 + 10) * einheity, namen[k]);
    update();
}

void Namensraster::rahmenZeichnen(int spalte, int zeile, const QColor& farbe)
{
    Leinwand& c = canvas();
    c.pinselKlar = true;
    c.stiftBreite = 3;
    c.stiftFarbe = farbe;
    c.rechteck((spalte * 25 + 3) * einheitx, (zeile * 8 + 8) * einheity, (spalte * 25 + 25) * einheitx,
               (zeile * 8 + 16) * einheity);
    update();
}

void Namensraster::rahmen(int spalte, int zeile) { rahmenZeichnen(spalte, zeile, farbe::rot); }

void Namensraster::loeschen(int spalte, int zeile) { rahmenZeichnen(spalte, zeile, farbe::buttonFace()); }

QPoint Namensraster::treffer(QPoint p)
{
    static const int kSpalten[4][2] = {{3, 25}, {26, 50}, {51, 75}, {76, 99}};
    int spalte = 0, zeile = 0;
    for (int s = 0; s < 4; ++s)
        if (p.x() >= kSpalten[s][0] * einheitx && p.x() <= kSpalten[s][1] * einheitx)
            spalte = s + 1;
    for (int r = 1; r <= 10; ++r)
        if (p.y() >= (8 * r + 2) * einheity && p.y() <= (8 * r + 6) * einheity)
            zeile = r;
    if (spalte == 0 || zeile == 0)
        return {0, 0};
    return {spalte, zeile};
}

bool Namensraster::FormShortCut(int taste, QKeyEvent*)
{
    altx = cursorx;
    alty = cursory;
    switch (taste) {
    case taste::kLinks: cursorx = cursorx - 1 < 0 ? 3 : cursorx - 1; break;
    case taste::kHoch: cursory = cursory - 1 < 0 ? 9 : cursory - 1; break;
    case taste::kRechts: cursorx = cursorx + 1 > 3 ? 0 : cursorx + 1; break;
    case taste::kRunter: cursory = cursory + 1 > 9 ? 0 : cursory + 1; break;
    case taste::kEnter:
        if (rasterAktiv()) {
            check(cursorx + 1, cursory + 1);
            nachEnter();
            return true;
        }
        return false;
    default: return false;
    }
    if (rasterAktiv()) {
        loeschen(altx, alty);
        rahmen(cursorx, cursory);
    }
    return true;
}

void Namensraster::mousePressEvent(QMouseEvent* e)
{
    const QPoint t = treffer(e->position().toPoint());
    schuetze([&] {
        if (t.x() > 0 && rasterAktiv())
            check(t.x(), t.y());
    });
}
