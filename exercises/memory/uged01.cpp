#include "exercises/memory/uged01.h"

#include "common/zufall.h"
#include "platform/anwendung.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/tasten.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

using namespace rastermuster;

namespace {

// Exactly this button and no Shift, Ctrl or Alt.
bool genau(const QMouseEvent* e, Qt::MouseButton knopf)
{
    return e->button() == knopf && e->buttons() == knopf &&
           (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}

Tged01::Tged01() : Rasterfenster(QStringLiteral("Tged01"), QStringLiteral("Repro"), kProgramm)
{
    pb->installEventFilter(this);
}

void Tged01::ordneAn(QSize aussen, int bildHoehe)
{
    pb->move((aussen.width() - m_breite) / 2, (aussen.height() - bildHoehe) * 2 / 5);
    aufzahl->move((aussen.width() - aufzahl->width()) / 2, aussen.height() * 17 / 20);
}

void Tged01::beiOeffnung() { m_k = kKleinstesK; }

void Tged01::beiSchliessen()
{
    // shown again, a right click before Start must not evaluate the old task
    m_tastatur = false;
    m_markieren = false;
}

bool Tged01::aufgabe()
{
    zufall::randomize();
    m_marken = {};
    m_muster = ziehe(m_k);
    return true;
}

void Tged01::beiStart()
{
    // the hidden Start keeps the focus otherwise, and a key passed on would press it
    setFocus();
    m_tastatur = true;
    m_markieren = false;
    m_markiert = 0;
}

void Tged01::verdeckt()
{
    m_markieren = true;
    rahmen(m_cursor, farbe::weiss);
}

void Tged01::flippe(QPoint z)
{
    const int i = index(z);
    m_marken[i] = !m_marken[i];
    m_markiert += m_marken[i] ? 1 : -1;
    fuelleZelle(z, m_marken[i] ? farbe::weiss : farbe::blau);
}

void Tged01::reaktion()
{
    if (!m_markieren)
        return;
    m_markieren = false;
    m_lauf.punkte += 100.0f;
    m_fehler = false;
    Leinwand& c = pb->canvas();
    c.pinselKlar = false;
    c.stiftFarbe = farbe::schwarz;
    for (int i = 0; i < kZellen; ++i) {
        const bool falsch = m_marken[i] != m_muster[i];
        if (!falsch && !m_marken[i])
            continue;
        const QRect r = innen(zelle(i));
        c.pinselFarbe = falsch ? farbe::rot : farbe::gruen;
        c.ellipse(r.left(), r.top(), r.right(), r.bottom());
        if (falsch) {
            m_lauf.punkte -= 10.0f;
            m_fehler = true;
        }
    }
    c.pinselFarbe = farbe::blau;
    pb->update();
    if (!m_fehler && m_k < kGroesstesK)
        ++m_k;
    else if (m_fehler && m_k > kKleinstesK)
        --m_k;
    start->show();
    start->setFocus();
}

void Tged01::pbMouseDown(QMouseEvent* e)
{
    if (!m_markieren)
        return;
    if (genau(e, Qt::RightButton)) {
        reaktion();
        return;
    }
    if (!genau(e, Qt::LeftButton))
        return;
    // A line belongs to the cell right of or below it; only the strip right
    // of the fifth column or below the fourth row is no cell.
    const QPoint p = e->position().toPoint();
    if (p.x() < 0 || p.y() < 0 || m_raster.cw() <= 0 || m_raster.ch() <= 0)
        return;
    const QPoint z(p.x() / m_raster.cw(), p.y() / m_raster.ch());
    if (m_raster.enthaelt(z))
        flippe(z);
}

void Tged01::mousePressEvent(QMouseEvent* e)
{
    schuetze([&] {
        if (m_markieren && genau(e, Qt::RightButton))
            reaktion();
    });
}

bool Tged01::eventFilter(QObject* o, QEvent* e)
{
    // the second press of a double click is a press as well
    if (o == pb && (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick)) {
        schuetze([&] { pbMouseDown(static_cast<QMouseEvent*>(e)); });
        return true;
    }
    return Rasterfenster::eventFilter(o, e);
}

// Only Esc and the key that evaluates are consumed: every other key also
// reaches the focused control, so Enter and Space press Start after a check
// by mouse.
bool Tged01::FormShortCut(int taste, QKeyEvent*)
{
    if (!m_tastatur)
        return false;
    m_alt = m_cursor;
    if (taste == taste::kEsc) {
        close();
        return true;
    }
    if (m_raster.bewege(taste, m_cursor)) {
        const bool altMarkiert = m_marken[index(m_alt)];
        rahmen(m_alt, altMarkiert ? farbe::weiss : farbe::blau);
        rahmen(m_cursor, m_marken[index(m_cursor)] ? farbe::blau : farbe::weiss);
    } else if (taste == taste::kEnter && m_markieren) {
        flippe(m_cursor);
    }
    if (m_markieren && m_markiert == m_k) {
        reaktion();
        m_tastatur = false;
        return true;
    }
    return false;
}
