#include "exercises/numbers/zahlbrett.h"

#include "common/punkte.h"
#include "exercises/shared/fensterteile.h"
#include "platform/anwendung.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/schriften.h"
#include "platform/tasten.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

Zahlbrett::Zahlbrett(const QString& klasse, const QString& titel, int programm, int runden, const Mass& mass)
    : m_programm(programm), m_runden(runden), m_mass(mass)
{
    setObjectName(klasse);
    setWindowTitle(titel);
    setzeNurSystemmenue();
    setzeFarbe(farbe::aktiverRahmen());
    setzeKeyPreview(true);

    start = teile::knopf(this, QStringLiteral("start"), QStringLiteral("Start"));
    connect(start, &QPushButton::clicked, this, [this] { schuetze([this] { startClick(); }); });
    pb = new Malflaeche(this, farbe::buttonFace());
    pb->setObjectName(QStringLiteral("pb"));
    pb->installEventFilter(this);
    pb->hide();
    lb1 = teile::etikett(this, QStringLiteral("lb1"), QStringLiteral("Arial"), 32);
    lb2 = teile::etikett(this, QStringLiteral("lb2"), QStringLiteral("Arial"), 32);
    weiter = teile::knopf(this, QStringLiteral("weiter"), QStringLiteral("weiter"));
    weiter->hide();
    connect(weiter, &QPushButton::clicked, this, [this] { schuetze([this] { weiterClick(); }); });
    aufzahl = teile::etikett(this, QStringLiteral("aufzahl"), QStringLiteral("Arial"), 19);
    setzeMaximiert(true);
}

// From the outer size the window has maximised (on the first showing too).
void Zahlbrett::anordnen()
{
    const QSize aussen = aussenmass();
    const int wf = aussen.width();
    const int hf = aussen.height();
    teile::mittig(start, 10);
    const int hoehe = hf * m_mass.hoeheZaehler / m_mass.hoeheNenner;
    const int breite = hoehe * m_mass.breiteZaehler / m_mass.breiteNenner;
    m_ch = hoehe / m_mass.zeilen;
    m_cw = breite / m_mass.spalten;
    pb->resize(m_mass.spalten * m_cw, m_mass.zeilen * m_ch);
    teile::mittig(pb, hf * 2 / 10);
    for (QLabel* l : {lb1, lb2})
        l->resize(wf / 4, l->height());
    teile::mittig(lb1, hf / 10);
    teile::mittig(lb2, hf * 8 / 10);
    weiter->move(wf * 4 / 5, hf * 8 / 10);
    aufzahl->resize(120, aufzahl->height());
    aufzahl->move(wf * 4 / 5, 10);
}

void Zahlbrett::FormShow() { anordnen(); }

// Once per show: an error box does not set the run back.
void Zahlbrett::FormActivate()
{
    m_cx = m_mass.rahmenfelder.left();
    m_cy = m_mass.rahmenfelder.top();
    pb->hide();
}

void Zahlbrett::FormClose()
{
    m_lauf.abbrechen();  // nothing is recorded
    start->show();
    weiter->hide();
    for (QLabel* l : {aufzahl, lb1, lb2}) {
        l->clear();
        l->hide();
    }
    pb->hide();
    pb->freigeben();
}

void Zahlbrett::startClick()
{
    if (m_lauf.laeuft())
        return;
    start->hide();
    pb->show();
    m_lauf.starte(m_runden);
    neuerLauf();
    zeigeZiel();
    aufbau();
    aufzahl->show();
    setFocus();
}

void Zahlbrett::weiterClick()
{
    if (!m_lauf.laeuft() || logikOffen())
        return;
    if (naechste()) {
        lb2->hide();
        weiter->hide();
        zeigeZiel();
        aufbau();
        setFocus();
        return;
    }
    weiter->hide();
    aufzahl->hide();
    m_lauf.beende(this, m_programm, punkte::abschluss(m_lauf.punkte, m_lauf.sekunden()));
    start->show();
    lb2->hide();
    lb1->hide();
}

void Zahlbrett::zeigeZiel()
{
    lb1->setText(QStringLiteral("Ziel: ") + QString::number(ziel()));
    lb1->show();
}

void Zahlbrett::zeigeWeiter(bool fokus)
{
    weiter->show();
    if (fokus)
        weiter->setFocus();
}

void Zahlbrett::aufbau()
{
    pb->resize(m_mass.spalten * m_cw, m_mass.zeilen * m_ch);
    Leinwand& c = pb->canvas();
    maleBrett(c);
    aufzahl->setText(QStringLiteral("%1/%2").arg(runde()).arg(m_runden));
    rahmen(c, m_cx, m_cy, farbe::schwarz);
    pb->update();
}

void Zahlbrett::gitter(Leinwand& c) const
{
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    const int w = m_mass.spalten * m_cw;
    const int h = m_mass.zeilen * m_ch;
    for (int y = 1; y < m_mass.zeilen; ++y)
        c.linie(0, y * m_ch, w, y * m_ch);
    for (int x = 1; x < m_mass.spalten; ++x)
        c.linie(x * m_cw, 0, x * m_cw, h);
}

void Zahlbrett::schrift(Leinwand& c) const
{
    c.schrift = schrift::font(QStringLiteral("Courier New"), 2 * m_ch / 3);
}

void Zahlbrett::zahl(Leinwand& c, int x, int y, int wert) const
{
    const int hoehe = 2 * m_ch / 3;
    c.pinselKlar = false;
    c.text((m_cw - hoehe) / 2 + x * m_cw, (m_ch - hoehe) / 2 + y * m_ch,
           (wert < 10 ? QStringLiteral(" ") : QString()) + QString::number(wert));
}

void Zahlbrett::rahmen(Leinwand& c, int x, int y, const QColor& farbe) const
{
    c.pinselKlar = true;
    c.stiftBreite = 1;
    c.stiftFarbe = farbe;
    c.rechteck(x * m_cw + 10, y * m_ch + 10, (x + 1) * m_cw - 10, (y + 1) * m_ch - 10);
    c.stiftFarbe = farbe::schwarz;
    c.pinselKlar = false;
}

void Zahlbrett::setzeRahmenfeld(int x, int y)
{
    m_cx = x;
    m_cy = y;
}

bool Zahlbrett::FormShortCut(int taste, QKeyEvent*)
{
    // a closed round or board waits for "weiter"; Enter on it presses it
    if (!offen())
        return false;
    if (taste == taste::kEsc) {
        close();  // nothing is recorded
        return true;
    }
    if (taste == taste::kEnter) {
        waehle(m_cx, m_cy, true);
        pb->update();
        return true;
    }
    const QRect& r = m_mass.rahmenfelder;
    int x = m_cx, y = m_cy;
    switch (taste) {
    case taste::kLinks: x = x == r.left() ? r.right() : x - 1; break;
    case taste::kRechts: x = x == r.right() ? r.left() : x + 1; break;
    case taste::kHoch: y = y == r.top() ? r.bottom() : y - 1; break;
    case taste::kRunter: y = y == r.bottom() ? r.top() : y + 1; break;
    default: return false;
    }
    Leinwand& c = pb->canvas();
    rahmen(c, m_cx, m_cy, rahmenGrund(m_cx, m_cy));
    m_cx = x;
    m_cy = y;
    rahmen(c, m_cx, m_cy, farbe::schwarz);
    pb->update();
    return true;
}

bool Zahlbrett::eventFilter(QObject* o, QEvent* e)
{
    if (o == pb && e->type() == QEvent::MouseButtonPress) {
        const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
        schuetze([&] {
            // the cell under the pointer, bounded to the board
            if (!offen() || m_cw <= 0 || m_ch <= 0 || p.x() < 0 || p.y() < 0)
                return;
            const int x = p.x() / m_cw;
            const int y = p.y() / m_ch;
            if (x >= m_mass.spalten || y >= m_mass.zeilen)
                return;
            waehle(x, y, false);
            pb->update();
        });
        return true;
    }
    return Form::eventFilter(o, e);
}
