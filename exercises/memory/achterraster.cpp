#include "exercises/memory/achterraster.h"

#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/schriften.h"

#include <QLabel>

void Achterraster::anordnen(QSize aussen, int klientBreite, QWidget* start, QLabel* folge)
{
    const int hoehe = aussen.height() * 4 / 8;
    const int breite = 2 * hoehe;
    m_pb->setGeometry((aussen.width() - breite) / 2, aussen.height() / 8, breite, hoehe);
    m_raster = Zellraster(kSpalten, kZeilen, breite, hoehe);
    if (folge) {
        folge->resize(klientBreite, folge->height());
        folge->move((aussen.width() - folge->width()) / 2, aussen.height() * 4 / 5);
    }
    if (start)
        start->move((klientBreite - start->width()) / 2, start->y());
}

void Achterraster::leer(bool linien)
{
    Leinwand& c = m_pb->canvas();
    const int w = kSpalten * m_raster.cw();
    const int h = kZeilen * m_raster.ch();
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.pinselKlar = false;
    c.pinselFarbe = farbe::buttonFace();
    c.fuellen(0, 0, m_pb->width(), m_pb->height());  // what the last run left
    c.rechteck(0, 0, w, h);
    if (!linien) {
        m_pb->update();
        return;
    }
    // the lines end a pixel before their end point, as the window system draws them
    for (int i = 1; i <= kSpalten; ++i)
        c.linie(i * m_raster.cw(), 0, i * m_raster.cw(), h - 1);
    for (int i = 1; i <= kZeilen; ++i)
        c.linie(0, i * m_raster.ch(), w - 1, i * m_raster.ch());
    m_pb->update();
}

void Achterraster::rahmen(QPoint zelle, const QColor& stift)
{
    Leinwand& c = m_pb->canvas();
    const QRect r = m_raster.cursorrahmen(zelle);
    c.pinselKlar = true;
    c.stiftBreite = 1;
    c.stiftFarbe = stift;
    c.rechteck(r.left(), r.top(), r.right(), r.bottom());
    c.stiftFarbe = farbe::schwarz;
    c.pinselKlar = false;
    m_pb->update(r.adjusted(0, 0, 1, 1));
}

void Achterraster::zeichen(QPoint zelle, const QString& text, const QColor& farbe)
{
    Leinwand& c = m_pb->canvas();
    const int ch = m_raster.ch(), cw = m_raster.cw();
    const int hoehe = schrifthoehe();
    c.schrift = schrift::font(QStringLiteral("Courier New"), hoehe);
    c.schriftFarbe = farbe;
    c.pinselKlar = true;
    c.text(zelle.x() * cw + cw / 3, int(zelle.y() * ch + (ch - hoehe) / 2.0), text);
    c.pinselKlar = false;
    c.schriftFarbe = farbe::schwarz;
    m_pb->update(m_raster.zelle(zelle));
}
