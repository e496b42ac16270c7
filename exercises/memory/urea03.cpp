#include "exercises/memory/urea03.h"

#include "common/textformat.h"
#include "common/zufall.h"
#include "exercises/shared/fensterteile.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/schriften.h"
#include "platform/tasten.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>

using figuren::Kachel;

namespace {

constexpr int kKnopfHoehe = 25;
constexpr int kKnopfAbstand = 10;

// Colour codes 0 to 4: no colour, red, yellow, green, blue.
QColor farbeVon(int code)
{
    switch (code) {
    case 1: return farbe::rot;
    case 2: return farbe::gelb;
    case 3: return farbe::gruen;
    case 4: return farbe::blau;
    default: return farbe::buttonFace();
    }
}

// The four triangles of a tile in the square from lo to ru, meeting in mitte.
void dreiecke(Leinwand& c, QPoint lo, QPoint ru, QPoint mitte, const Kachel& t)
{
    const QPoint ro(ru.x(), lo.y()), lu(lo.x(), ru.y());
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.pinselKlar = false;
    const struct {
        int code;
        QPoint a, b;
    } seiten[] = {{t.oben, lo, ro}, {t.rechts, ro, ru}, {t.unten, lu, ru}, {t.links, lo, lu}};
    for (const auto& s : seiten) {
        c.pinselFarbe = farbeVon(s.code);
        c.polygon({mitte, s.a, s.b});
    }
}

}

Trea03::Trea03()
{
    setObjectName(QStringLiteral("Trea03"));
    setWindowTitle(QStringLiteral("Figuren legen"));
    setzeNurSystemmenue();
    setzeFarbe(farbe::buttonFace());
    setzeKeyPreview(true);

    start = teile::knopf(this, QStringLiteral("start"), QStringLiteral("Start"));
    connect(start, &QPushButton::clicked, this, [this] { schuetze([this] { startClick(); }); });
    pb = new Malflaeche(this, farbe::buttonFace());
    pb->setObjectName(QStringLiteral("pb"));
    pb->installEventFilter(this);
    pb1 = new Malflaeche(this, farbe::buttonFace());
    pb1->setObjectName(QStringLiteral("pb1"));
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setFocusPolicy(Qt::ClickFocus);

    QPushButton** knoepfe[] = {&Button1, &Button2, &Button3, &Button4, &Button5};
    const char* texte[] = {"(R)ECHTS", "(L)INKS", "(S)PIEGELN", "(W)EITER", "(A)BBRUCH"};
    for (int i = 0; i < 5; ++i) {
        *knoepfe[i] = teile::knopf(Panel1, QStringLiteral("Button%1").arg(i + 1), QString::fromUtf8(texte[i]));
        (*knoepfe[i])->setFont(schrift::font(QStringLiteral("Arial"), 11));
        (*knoepfe[i])->setAutoDefault(false);  // the keys act through the key preview only
    }
    const auto nachKnopf = [this](auto aktion) {
        return [this, aktion] {
            schuetze([&] {
                aktion();
                // Enter and Space then press no button as well
                Panel1->setFocus();
            });
        };
    };
    connect(Button1, &QPushButton::clicked, this, nachKnopf([this] { wandle(&figuren::rechts); }));
    connect(Button2, &QPushButton::clicked, this, nachKnopf([this] { wandle(&figuren::links); }));
    connect(Button3, &QPushButton::clicked, this, nachKnopf([this] { wandle(&figuren::spiegeln); }));
    connect(Button4, &QPushButton::clicked, this, nachKnopf([this] { weiter(); }));
    connect(Button5, &QPushButton::clicked, this, [this] { close(); });

    pb->hide();
    pb1->hide();
    Panel1->hide();
    setzeMaximiert(true);
    anordnen();
}

// From the outer size the window has maximised (on the first showing too).
void Trea03::anordnen()
{
    const QSize aussen = aussenmass();
    const int w = aussen.width(), h = aussen.height();
    start->move((width() - start->width()) / 2, 16);
    const int seite = h * 2 / 3;
    pb->setGeometry(w / 10, w / 10, seite, seite);
    m_raster = Zellraster(figuren::kSeite, figuren::kSeite, seite, seite);
    pb1->setGeometry(w * 7 / 10, w / 10, w * 2 / 10, w * 2 / 10);
    const QList<QPushButton*> knoepfe{Button1, Button2, Button3, Button4, Button5};
    int breite = 0;
    for (QPushButton* b : knoepfe)
        breite = std::max(breite, b->sizeHint().width() + 16);
    Panel1->setGeometry(w * 7 / 10, h * 5 / 10, w * 2 / 10, kKnopfAbstand + 5 * (kKnopfHoehe + kKnopfAbstand));
    int oben = kKnopfAbstand;
    for (QPushButton* b : knoepfe) {
        b->setGeometry((Panel1->width() - breite) / 2, oben, breite, kKnopfHoehe);
        oben += kKnopfHoehe + kKnopfAbstand;
    }
    // on wide screens the panel covers the blank lower part of the preview
    Panel1->raise();
}

void Trea03::FormShow() { anordnen(); }

// Once per show: the message boxes of a run do not set it back.
void Trea03::FormActivate()
{
    m_lauf.abbrechen();
    m_lauf.punkte = 100.0f;
    m_k = 0;
    start->setFocus();
}

void Trea03::FormClose()
{
    m_lauf.abbrechen();  // closed early: nothing is recorded
    m_k = 0;
    start->show();
    pb->hide();
    pb1->hide();
    Panel1->hide();
    pb->freigeben();
    pb1->freigeben();
}

bool Trea03::imLauf() const { return m_lauf.laeuft() && m_k >= 1 && m_k <= figuren::kKacheln; }

Kachel Trea03::aktuell() const { return imLauf() ? m_puzzle.vorrat[m_k - 1] : Kachel{}; }

void Trea03::startClick()
{
    if (m_lauf.laeuft())
        return;
    pb->show();
    pb1->show();
    Panel1->show();
    m_cursor = QPoint(0, 0);
    zufall::randomize();
    m_puzzle = figuren::neuesPuzzle();
    m_brett = {};
    m_k = 1;
    start->hide();
    m_lauf.starte(figuren::kKacheln);  // the clock runs from Start
    leeresBrett();
    Panel1->setFocus();
}

QRect Trea03::marke(QPoint z) const
{
    const float ux = float(pb->width()) / 100.0f, uy = float(pb->height()) / 100.0f;
    const auto bei = [](int n, float einheit) { return int(float(n) * einheit); };
    return QRect(QPoint(bei(20 * z.x() + 8, ux), bei(20 * z.y() + 3, uy)),
                 QPoint(bei(20 * z.x() + 12, ux), bei(20 * z.y() + 7, uy)));
}

void Trea03::leeresBrett()
{
    const int cw = m_raster.cw(), ch = m_raster.ch();
    Leinwand& c = pb->canvas();
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.pinselKlar = false;
    c.pinselFarbe = farbe::buttonFace();
    c.fuellen(0, 0, pb->width(), pb->height());  // the last run's tiles
    c.rechteck(0, 0, 5 * cw, 5 * ch);
    // the lines end a pixel before their end point, as the window system draws them
    for (int i = 1; i <= 4; ++i) {
        c.linie(i * cw, 0, i * cw, 5 * ch - 1);
        c.linie(0, i * ch, 5 * cw - 1, i * ch);
    }
    pb->update();
    Leinwand& v = pb1->canvas();
    v.stiftFarbe = farbe::schwarz;
    v.stiftBreite = 1;
    v.pinselKlar = false;
    v.pinselFarbe = farbe::buttonFace();
    v.fuellen(0, 0, pb1->width(), pb1->height());
    v.rechteck(cw / 2, ch / 2, 3 * cw / 2, 3 * ch / 2);
    v.linie(cw / 2, ch / 2, 3 * cw / 2 - 1, 3 * ch / 2 - 1);
    v.linie(3 * cw / 2 - 1, ch / 2, cw / 2, 3 * ch / 2 - 1);
    aufbau1();
    zeigeMarke(true);
}

void Trea03::aufbau(const Kachel& t, QPoint z)
{
    const int cw = m_raster.cw(), ch = m_raster.ch();
    const QPoint lo(z.x() * cw, z.y() * ch);
    dreiecke(pb->canvas(), lo, lo + QPoint(cw, ch), lo + QPoint(cw / 2, ch / 2), t);
    pb->update(m_raster.zelle(z));
}

// The preview of the tile on offer, the size of a board cell.
void Trea03::aufbau1()
{
    const int cw = m_raster.cw(), ch = m_raster.ch();
    dreiecke(pb1->canvas(), QPoint(cw / 2, ch / 2), QPoint(3 * cw / 2, 3 * ch / 2), QPoint(cw, ch), aktuell());
    pb1->update();
}

// The silver marker on the cursor cell, or painted over in the colour of the
// cell's top triangle.
void Trea03::zeigeMarke(bool an)
{
    const QRect r = marke(m_cursor);
    const QColor grund = farbeVon(m_brett[m_cursor.x()][m_cursor.y()].oben);
    Leinwand& c = pb->canvas();
    c.stiftBreite = 1;
    c.pinselKlar = false;
    c.stiftFarbe = an ? farbe::schwarz : grund;
    c.pinselFarbe = an ? farbe::silber : grund;
    c.rechteck(r.left(), r.top(), r.right(), r.bottom());
    c.stiftFarbe = farbe::schwarz;
    pb->update(r);
}

void Trea03::lege(QPoint zelle, Weg weg)
{
    if (!imLauf() || !m_raster.enthaelt(zelle))
        return;
    const Kachel t = aktuell();
    switch (figuren::pruefe(m_brett, zelle, t)) {
    case figuren::Pruefung::Belegt: verweigere(QStringLiteral("Das Feld ist schon belegt!"), weg); return;
    case figuren::Pruefung::PasstNicht: verweigere(QStringLiteral("Das geht so nicht!"), weg); return;
    case figuren::Pruefung::Allein: break;
    case figuren::Pruefung::Angelegt: m_lauf.punkte += 100.0f; break;
    }
    aufbau(t, zelle);
    m_brett[zelle.x()][zelle.y()] = t;
    if (weg == Weg::Enter)
        zeigeMarke(true);
    naechste(weg);
}

// The tile stays on offer. The box opens inside a key or mouse handler: the
// Enter that closes it reaches the box, not this window.
void Trea03::verweigere(const QString& text, Weg weg)
{
    m_lauf.punkte -= kAbzug;
    dialog::zeige(text);
    if (weg == Weg::Enter && isVisible())
        Panel1->setFocus();
}

// Each turn or mirror costs, also when the tile looks the same afterwards.
void Trea03::wandle(Kachel (*wandlung)(Kachel))
{
    if (!imLauf())
        return;
    Kachel& t = m_puzzle.vorrat[m_k - 1];
    t = wandlung(t);
    m_lauf.punkte -= kAbzug;
    aufbau1();
}

// The tile on offer is dropped for this run.
void Trea03::weiter()
{
    if (imLauf())
        naechste(Weg::Weiter);
}

// The next stock tile, or the end of the run by the way the last one left.
void Trea03::naechste(Weg weg)
{
    ++m_k;
    if (m_k <= figuren::kKacheln) {
        aufbau1();
        return;
    }
    const float endpunkte = m_lauf.abschluss();
    const QString fuenf = QStringLiteral("Sie haben ") + textformat::punkteText(endpunkte, 5)
                          + QStringLiteral(" Punkte erreicht!");
    switch (weg) {
    case Weg::Maus: m_lauf.beende(this, kProgramm, endpunkte); break;
    case Weg::Enter: m_lauf.beende(this, kProgramm, endpunkte, fuenf); break;
    case Weg::Weiter: m_lauf.beende(this, kProgramm, endpunkte, fuenf, Endfolge::Meldebox); break;
    }
}

bool Trea03::FormShortCut(int taste, QKeyEvent*)
{
    switch (taste) {
    case taste::kEsc:
    case 'A':
        close();
        return true;
    case 'R': wandle(&figuren::rechts); return true;
    case 'L': wandle(&figuren::links); return true;
    case 'S': wandle(&figuren::spiegeln); return true;
    case 'W': weiter(); return true;
    case taste::kEnter:
        // before Start, Enter presses the focused Start button
        if (!imLauf())
            return false;
        lege(m_cursor, Weg::Enter);
        return true;
    default: break;
    }
    QPoint neu = m_cursor;
    if (!m_raster.bewege(taste, neu))
        return false;
    if (imLauf()) {
        zeigeMarke(false);
        m_cursor = neu;
        zeigeMarke(true);
    }
    return true;
}

bool Trea03::eventFilter(QObject* o, QEvent* e)
{
    // the second press of a double click is a press as well
    if (o == pb && (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick)) {
        const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
        schuetze([&] {
            if (const auto zelle = m_raster.zelleBei(p))
                lege(*zelle, Weg::Maus);
        });
        return true;
    }
    return Form::eventFilter(o, e);
}
