#include "exercises/shared/paargitter.h"

#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/schriften.h"
#include "platform/tasten.h"

QRect Paargitter::zellrahmen(int c, int r) const
{
    return QRect(QPoint((50 * c + 3) * ex, (16 * r + 4) * ey), QPoint((50 * c + 47) * ex, (16 * r + 16) * ey));
}

QPoint Paargitter::textort(int c, int r) const { return QPoint((50 * c + 5) * ex, (16 * r + 6) * ey); }

QRect Paargitter::cursorrahmen(int c, int r) const
{
    return QRect(QPoint((50 * c + 1) * ex, (16 * r + 2) * ey), QPoint((50 * c + 49) * ex, (16 * r + 18) * ey));
}

void zeichneRahmen(Leinwand& c, const QRect& r, const QColor& farbe, int breite)
{
    c.stiftFarbe = farbe;
    c.stiftBreite = breite;
    c.pinselKlar = true;
    // QRect(QPoint, QPoint) ends one short of its second corner: the frame's
    // corners as given
    c.rechteck(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
    c.stiftBreite = 1;
    c.stiftFarbe = farbe::schwarz;
}

void Paargitter::zeichneZelle(Leinwand& c, int spalte, int zeile) const
{
    zeichneRahmen(c, zellrahmen(spalte, zeile), farbe::schwarz, 1);
}

void Paargitter::rahmen(Leinwand& c, int spalte, int zeile) const
{
    zeichneRahmen(c, cursorrahmen(spalte, zeile), farbe::rot, 3);
}

void Paargitter::loeschen(Leinwand& c, int spalte, int zeile, const QColor& grund) const
{
    zeichneRahmen(c, cursorrahmen(spalte, zeile), grund, 3);
}

int Paargitter::spalteBei(int x) const
{
    if (ex <= 0)
        return 0;
    if (3 * ex <= x && x <= 47 * ex)
        return 1;
    if (53 * ex <= x && x <= 97 * ex)
        return 2;
    return 0;
}

int Paargitter::zeileBei(int y) const
{
    if (ey <= 0)
        return 0;
    for (int j = ersteZeile + 1; j <= letzteZeile + 1; ++j)
        if ((16 * j - 12) * ey <= y && y <= 16 * j * ey)
            return j;
    return 0;
}

bool Paargitter::bewege(int taste, int& spalte, int& zeile) const
{
    switch (taste) {
    case taste::kLinks:
        if (--spalte < 0)
            spalte = kSpalten - 1;
        return true;
    case taste::kRechts:
        if (++spalte >= kSpalten)
            spalte = 0;
        return true;
    case taste::kHoch:
        if (--zeile < ersteZeile)
            zeile = letzteZeile;
        return true;
    case taste::kRunter:
        if (++zeile > letzteZeile)
            zeile = ersteZeile;
        return true;
    default:
        return false;
    }
}

QFont arialZellhoehe(int zellhoehe)
{
    // Liberation Sans: ascent 1854 and descent 434 of 2048 units per em
    return schrift::font(QStringLiteral("Arial"), zellhoehe * 2048 / 2288);
}

Malflaeche* gitterbild(QWidget* fenster)
{
    auto* image = new Malflaeche(fenster, farbe::buttonFace());
    image->setObjectName(QStringLiteral("image"));
    image->setAttribute(Qt::WA_TransparentForMouseEvents);
    image->hide();
    return image;
}
