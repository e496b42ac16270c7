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
    m_raster.leeresBrett(m_pb->canvas(), m_pb->width(), m_pb->height(), linien);
    m_pb->update();
}

void Achterraster::rahmen(QPoint zelle, const QColor& stift)
{
    m_pb->update(m_raster.rahmen(m_pb->canvas(), zelle, stift));
}

std::optional<QPoint> Achterraster::bewegeRahmen(int taste, QPoint& cursor)
{
    QPoint neu = cursor;
    if (!m_raster.bewege(taste, neu))
        return std::nullopt;
    const QPoint alt = cursor;
    rahmen(alt, farbe::buttonFace());
    cursor = neu;
    rahmen(cursor, farbe::schwarz);
    return alt;
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
