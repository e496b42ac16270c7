#include "exercises/memory/uged11.h"

#include "common/punkte.h"
#include "common/zufall.h"
#include "exercises/shared/fensterteile.h"
#include "platform/anwendung.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/schriften.h"
#include "platform/tasten.h"
#include "platform/warten.h"

#include <QMouseEvent>
#include <QPushButton>

const std::vector<Paarart>& Tged11::mitglieder()
{
    static const std::vector<Paarart> t{
        {85, QStringLiteral("Tged11"), QStringLiteral("MiniMemo I"), 4, 3, 6, false, 3, 4, 4, 3, false, true},
        {86, QStringLiteral("Tged12"), QStringLiteral("MiniMemo II"), 3, 4, 6, true, 3, 5, 9, 10, true, false},
        {93, QStringLiteral("Tged09"), QStringLiteral("Memory I"), 6, 4, 12, false, 3, 4, 4, 3, false, true},
        {94, QStringLiteral("Tged10"), QStringLiteral("Memory II"), 4, 6, 12, true, 13, 20, 9, 10, true, false},
    };
    return t;
}

Tged11::Tged11(const Paarart& art) : m_art(art), m_spiel(art.spalten, art.zeilen, art.paare)
{
    setObjectName(art.klasse);
    setWindowTitle(art.titel);
    setzeNurSystemmenue();
    setzeFarbe(farbe::buttonFace());
    setzeKeyPreview(true);

    start = teile::knopf(this, QStringLiteral("start"), QStringLiteral("Start"));
    start->resize(137, 41);
    connect(start, &QPushButton::clicked, this, [this] { schuetze([this] { startClick(); }); });
    pb = new Malflaeche(this, farbe::buttonFace());
    pb->setObjectName(QStringLiteral("pb"));
    pb->installEventFilter(this);
    pb->hide();
    setzeMaximiert(true);
    anordnen();
}

// From the outer size the window has maximised (on the first showing too).
void Tged11::anordnen()
{
    const QSize aussen = aussenmass();
    const int hoehe = aussen.height() * m_art.hoeheZ / m_art.hoeheN;
    const int breite = (m_art.vonBreite ? aussen.width() : hoehe) * m_art.breiteZ / m_art.breiteN;
    pb->resize(breite, hoehe);
    pb->move((aussen.width() - breite) / 2, aussen.height() / 8);
    m_raster = Zellraster(m_art.spalten, m_art.zeilen, breite, hoehe);
    start->move((width() - start->width()) / 2, 16);
}

void Tged11::FormShow() { anordnen(); }

// Once per show: the message window at the end does not set the game back.
void Tged11::FormActivate()
{
    pb->hide();
    if (m_art.cursorZurueck)
        m_cursor = QPoint(0, 0);
}

void Tged11::FormClose()
{
    m_lauf.abbrechen();  // Esc and the close box record nothing
    start->show();
    pb->hide();
    pb->freigeben();
}

void Tged11::startClick()
{
    if (m_lauf.laeuft())
        return;
    zufall::randomize();
    // the words first: a missing or short list leaves the window as it was
    if (m_art.woerter)
        m_woerter = wortliste::zufallNachLaenge(kWoerter, wortliste::hoechstens(kWortlaenge));
    pb->show();
    m_tastatur = true;
    m_spiel.neuesSpiel();
    m_lauf.starte(m_art.paare);
    start->hide();
    if (m_art.cursorZurueck)
        m_cursor = QPoint(0, 0);
    aufbau();
    setFocus();
}

void Tged11::aufbau()
{
    // the last game's faces and green cells go
    m_raster.leeresBrett(pb->canvas(), pb->width(), pb->height());
    rahmen(m_cursor, farbe::schwarz);
    pb->update();
}

void Tged11::rahmen(QPoint zelle, const QColor& stift)
{
    pb->update(m_raster.rahmen(pb->canvas(), zelle, stift));
}

// A face in black on the cell, or cleared again with the button-face brush
// over all of its ink, so no smoothed edge stays behind.
void Tged11::gesicht(QPoint zelle, bool zeigen)
{
    const int v = m_spiel.wert(zelle);
    if (v <= 0)
        return;
    const int cw = m_raster.cw(), rh = m_raster.ch();
    const int hoehe = m_art.woerter ? rh / 2 : rh * 2 / 3;
    const int x = m_art.woerter ? int((cw - hoehe) / 6.0 + zelle.x() * cw) : cw / 3 + zelle.x() * cw;
    const int y = int((rh - hoehe) / 2.0 + zelle.y() * rh);
    const QString text = m_art.woerter ? m_woerter.at(v - 1) : QString(QChar(64 + v));
    Leinwand& c = pb->canvas();
    c.schrift = schrift::font(QStringLiteral("Courier New"), hoehe);
    if (zeigen) {
        c.pinselKlar = true;
        c.schriftFarbe = farbe::schwarz;
        c.text(x, y, text);
    } else {
        c.pinselKlar = false;
        c.pinselFarbe = farbe::buttonFace();
        c.textLoeschen(x, y, text);
    }
    c.pinselKlar = false;
    pb->update(m_raster.zelle(zelle));
}

// A taken card: the cell green with its black outline on the grid lines.
void Tged11::gruen(QPoint zelle)
{
    Leinwand& c = pb->canvas();
    const QRect r = m_raster.zelle(zelle);
    c.pinselKlar = false;
    c.pinselFarbe = farbe::gruen;
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.rechteck(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
    c.pinselFarbe = farbe::buttonFace();
    pb->update(r);
}

// A press on the image and Enter on the cursor cell turn by the same rule, so a
// turn begun one way can be finished the other.
void Tged11::drehe(QPoint zelle, bool tastatur)
{
    if (!m_lauf.laeuft())
        return;
    const Paarspiel::Zug zug = m_spiel.drehe(zelle);
    if (zug == Paarspiel::Zug::Nichts)
        return;
    gesicht(zelle, true);
    if (zug == Paarspiel::Zug::Erste)
        return;
    // Presses and Enter during the display find two cards up and do nothing;
    // the arrows still move the cursor after a mouse turn.
    if (tastatur)
        m_tastatur = false;
    const bool weiter = wartenBewacht(this, kAnzeigeMs, Pauseneingabe::Zugelassen, [this] { return m_lauf.laeuft(); });
    m_tastatur = true;
    if (!weiter)
        return;  // closed meanwhile: nothing more is drawn, scored or recorded
    const QPoint a = m_spiel.erste(), b = m_spiel.zweite();
    if (!m_spiel.vergleiche()) {
        gesicht(a, false);
        gesicht(b, false);
    } else {
        gruen(a);
        gruen(b);
    }
    // a cleared face or a green cell may have covered the cursor's frame
    rahmen(m_cursor, farbe::schwarz);
    if (m_spiel.fertig())
        m_lauf.beende(this, m_art.programm, punkte::abschluss(m_spiel.punkte(), m_lauf.sekunden()));
}

bool Tged11::FormShortCut(int taste, QKeyEvent*)
{
    if (taste == taste::kEsc) {
        close();
        return true;
    }
    // before Start the old board is hidden: the keys leave it alone
    if (!m_lauf.laeuft())
        return false;
    if (taste == taste::kEnter) {
        drehe(m_cursor, true);
        return true;
    }
    QPoint neu = m_cursor;
    if (!m_raster.bewege(taste, neu))
        return false;
    if (m_tastatur) {
        rahmen(m_cursor, m_spiel.wert(m_cursor) > 0 ? farbe::buttonFace() : farbe::gruen);
        m_cursor = neu;
        rahmen(m_cursor, farbe::schwarz);
    }
    return true;
}

bool Tged11::eventFilter(QObject* o, QEvent* e)
{
    // the second press of a double click is a press as well
    if (o == pb && (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick)) {
        const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
        schuetze([&] {
            if (const auto zelle = m_raster.zelleBei(p))
                drehe(*zelle, false);
        });
        return true;
    }
    return Form::eventFilter(o, e);
}
