#include "platform/leinwand.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QPolygon>

template <typename F> void Leinwand::male(F&& f)
{
    if (!m_bild || m_bild->isNull())
        return;
    QPainter p(m_bild);
    if (stiftBreite > 0)
        p.setPen(QPen(stiftFarbe, stiftBreite, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    else
        p.setPen(Qt::NoPen);
    p.setBrush(pinselKlar ? QBrush(Qt::NoBrush) : QBrush(pinselFarbe));
    f(p);
}

void Leinwand::rechteck(int x1, int y1, int x2, int y2)
{
    male([&](QPainter& p) {
        if (stiftBreite <= 1) {
            p.drawRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)).adjusted(0, 0, -1, -1));
        } else {
            // a wide pen is centred on the outline, as the window system draws it
            const int innen = stiftBreite / 2;
            if (!pinselKlar)
                p.fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), pinselFarbe);
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRect(QPoint(x1 + innen, y1 + innen), QPoint(x2 - 1 - innen, y2 - 1 - innen)));
        }
    });
}

void Leinwand::ellipse(int x1, int y1, int x2, int y2)
{
    male([&](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.drawEllipse(QRect(QPoint(x1, y1), QPoint(x2 - 2, y2 - 2)));
    });
}

void Leinwand::polygon(const std::vector<QPoint>& punkte)
{
    male([&](QPainter& p) { p.drawPolygon(QPolygon(QList<QPoint>(punkte.begin(), punkte.end()))); });
}

void Leinwand::linie(int x1, int y1, int x2, int y2)
{
    male([&](QPainter& p) { p.drawLine(x1, y1, x2, y2); });
}

void Leinwand::fuellen(int x1, int y1, int x2, int y2)
{
    male([&](QPainter& p) { p.fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), pinselFarbe); });
}

void Leinwand::text(int x, int y, const QString& t)
{
    male([&](QPainter& p) {
        p.setFont(schrift);
        const QFontMetrics fm(schrift);
        const QRect feld(x, y, fm.horizontalAdvance(t), fm.height());
        if (!pinselKlar)
            p.fillRect(feld, pinselFarbe);
        p.setPen(schriftFarbe);
        p.drawText(x, y + fm.ascent(), t);
    });
}

void Leinwand::textLoeschen(int x, int y, const QString& t)
{
    male([&](QPainter& p) {
        const QFontMetrics fm(schrift);
        const QRect feld(x, y, fm.horizontalAdvance(t), fm.height());
        // the ink, a pixel wider for smoothing, but only in the cell's rows, so
        // that lines above and below stay
        const QRect tinte = fm.boundingRect(t).translated(x, y + fm.ascent()).adjusted(-1, 0, 1, 0);
        const QRect zeilen(tinte.left(), feld.top(), tinte.width(), feld.height());
        p.fillRect(feld.united(zeilen), pinselFarbe);
    });
}

int Leinwand::textBreite(const QString& t) const { return QFontMetrics(schrift).horizontalAdvance(t); }

int Leinwand::textHoehe(const QString&) const { return QFontMetrics(schrift).height(); }

void Leinwand::bildZeichnen(const QRect& ziel, const QImage& quelle)
{
    male([&](QPainter& p) {
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(ziel, quelle);
    });
}

Malflaeche::Malflaeche(QWidget* parent, QColor grund) : QWidget(parent), m_grund(grund)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

Leinwand& Malflaeche::canvas()
{
    passeAn();
    m_leinwand.setzeBild(&m_bild);
    return m_leinwand;
}

void Malflaeche::freigeben()
{
    m_bild = QImage();
    m_leinwand.setzeBild(nullptr);
}

void Malflaeche::loeschen(QColor farbe)
{
    passeAn();
    m_grund = farbe;
    m_bild.fill(farbe);
    update();
}

void Malflaeche::passeAn()
{
    if (m_bild.size() == size())
        return;
    QImage neu(size(), QImage::Format_RGB32);
    neu.fill(m_grund);
    if (!m_bild.isNull()) {
        QPainter p(&neu);
        p.drawImage(0, 0, m_bild);
    }
    m_bild = neu;
}

void Malflaeche::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    if (m_bild.isNull())
        p.fillRect(e->rect(), m_grund);
    else
        p.drawImage(e->rect(), m_bild, e->rect());
}

void Malflaeche::resizeEvent(QResizeEvent*)
{
    if (!m_bild.isNull())
        passeAn();
}
