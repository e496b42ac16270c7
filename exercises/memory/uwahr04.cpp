#include "exercises/memory/uwahr04.h"

#include "common/punkte.h"
#include "common/zufall.h"
#include "common/zustand.h"
#include "exercises/shared/fensterteile.h"
#include "platform/anwendung.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/schriften.h"
#include "platform/tasten.h"
#include "platform/warten.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

const std::vector<Sammelart>& Twahr04::mitglieder()
{
    static const std::vector<Sammelart> t{
        {112, QStringLiteral("Twahr04"), QStringLiteral("Sammeln I"), 26, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ")},
        {113, QStringLiteral("Twahr05"), QStringLiteral("Sammeln II"), 14, QStringLiteral("#:<>!§$%&=?~+*")},
        {114, QStringLiteral("Twahr06"), QStringLiteral("Sammeln III"), 10, QString()},
    };
    return t;
}

namespace {
// The discs of Sammeln III by code 1 to 10.
const QColor kScheiben[] = {farbe::kastanie, farbe::gruen, farbe::schwarz, farbe::marine, farbe::purpur,
                            farbe::gelb, farbe::lime, farbe::rot, farbe::fuchsia, farbe::aqua};
}

Twahr04::Twahr04(const Sammelart& art) : m_art(art), m_gitter(nullptr)
{
    setObjectName(art.klasse);
    setWindowTitle(art.titel);
    setzeNurSystemmenue();
    setzeFarbe(farbe::buttonFace());
    setzeKeyPreview(true);

    start = teile::knopf(this, QStringLiteral("start"), QStringLiteral("Start"));
    start->move(0, 16);
    connect(start, &QPushButton::clicked, this, [this] { schuetze([this] { startClick(); }); });
    pb = new Malflaeche(this, farbe::buttonFace());
    pb->setObjectName(QStringLiteral("pb"));
    pb->installEventFilter(this);
    pb->hide();
    m_gitter = Achterraster(pb);
    folge = teile::etikett(this, QStringLiteral("folge"), QStringLiteral("Arial"), 21);
    weiter = teile::knopf(this, QStringLiteral("weiter"), QStringLiteral("weiter"));
    weiter->setFont(schrift::font(QStringLiteral("Arial"), 16));
    weiter->hide();
    connect(weiter, &QPushButton::clicked, this, [this] { schuetze([this] { weiterClick(); }); });
    setzeMaximiert(true);
    FormShow();
}

// From the outer size the window has maximised (on the first showing too).
void Twahr04::FormShow()
{
    const QSize aussen = aussenmass();
    m_gitter.anordnen(aussen, width(), start, folge);
    weiter->move(aussen.width() * 8 / 10, aussen.height() * 7 / 8);
}

// Once per show: the message window at the end does not set the run back.
void Twahr04::FormActivate()
{
    m_cursor = QPoint(0, 0);
    folge->clear();
    weiter->hide();
    pb->hide();
}

void Twahr04::FormClose()
{
    // Esc and the close box record nothing; after a reopening only Start
    // begins a run, the hidden old grid takes no key and no press
    m_lauf.abbrechen();
    m_aktiv = false;
    start->show();
    weiter->hide();
    pb->hide();
    pb->freigeben();
}

void Twahr04::startClick()
{
    if (m_lauf.laeuft())
        return;
    pb->show();
    m_spiel.neuerLauf();
    neuesGitter();
    m_lauf.starte(Sammelspiel::kGitter);
    start->hide();
    m_aktiv = true;
    setFocus();
}

void Twahr04::neuesGitter()
{
    zufall::randomize();
    m_spiel.neuesGitter(m_art.n);
    m_cursor = QPoint(0, 0);
    aufbau();
}

void Twahr04::aufbau()
{
    m_gitter.leer();
    m_gitter.rahmen(m_cursor, farbe::schwarz);
    const Sammelgitter& g = m_spiel.gitter();
    for (int r = 0; r < Sammelgitter::kZeilen; ++r)
        for (int c = 0; c < Sammelgitter::kSpalten; ++c)
            if (const int v = g.wert({c, r}))
                gegenstand({c, r}, v, Marke::Keine);
    if (g.wert(g.probe) != 0)
        gegenstand(g.probe, g.muster, Marke::Probe);
}

void Twahr04::scheibe(QPoint zelle, int von, int bis, const QColor& fuellung, const QColor& rand)
{
    Leinwand& c = pb->canvas();
    const float ux = m_gitter.raster().ux(), uy = m_gitter.raster().uy();
    const auto bei = [](int zehntel, float einheit) { return int(double(zehntel) * double(einheit)); };
    c.pinselKlar = false;
    c.pinselFarbe = fuellung;
    c.stiftFarbe = rand;
    c.stiftBreite = 1;
    const QPoint a(bei(10 * zelle.x() + von, ux), bei(10 * zelle.y() + von, uy));
    const QPoint b(bei(10 * zelle.x() + bis, ux), bei(10 * zelle.y() + bis, uy));
    c.ellipse(a.x(), a.y(), b.x(), b.y());
    c.stiftFarbe = farbe::schwarz;
    pb->update(QRect(a, b).adjusted(-1, -1, 1, 1));
}

void Twahr04::gegenstand(QPoint zelle, int code, Marke marke)
{
    if (!m_art.zeichen.isEmpty()) {
        static const QColor kFarbe[] = {farbe::schwarz, farbe::blau, farbe::weiss};
        m_gitter.zeichen(zelle, m_art.zeichen.mid(code - 1, 1), kFarbe[int(marke)]);
        return;
    }
    switch (marke) {
    case Marke::Keine: scheibe(zelle, 2, 8, kScheiben[(code - 1) % 10], farbe::schwarz); break;
    case Marke::Probe: scheibe(zelle, 4, 6, farbe::weiss, farbe::weiss); break;
    case Marke::Gesammelt: scheibe(zelle, 2, 8, farbe::buttonFace(), farbe::schwarz); break;
    }
}

void Twahr04::waehle(QPoint zelle)
{
    if (!m_lauf.laeuft())
        return;
    const int code = m_spiel.gitter().wert(zelle);
    if (!m_spiel.waehle(zelle))
        return;
    gegenstand(zelle, code, Marke::Gesammelt);
    if (!m_spiel.alleGefunden())
        return;
    weiter->show();
    weiter->setFocus();
    m_aktiv = false;
    // Choices count during the pause, and weiter may build the next grid, end
    // the run or the window close: nothing is left to do after it.
    wartenBewacht(this, kPauseMs, Pauseneingabe::Zugelassen);
}

void Twahr04::weiterClick()
{
    if (!m_lauf.laeuft() || !m_spiel.alleGefunden())
        return;
    weiter->hide();
    if (m_spiel.naechstesGitter()) {
        m_aktiv = true;
        neuesGitter();
        setFocus();
        return;
    }
    m_lauf.beende(this, m_art.programm, punkte::abschluss(m_spiel.punkte(), m_lauf.sekunden()));
}

bool Twahr04::FormShortCut(int taste, QKeyEvent*)
{
    if (taste == taste::kEsc) {
        close();
        return true;
    }
    if (!m_lauf.laeuft())
        return false;
    if (taste == taste::kLeer) {
        // not consumed: on the focused weiter it then operates the button
        waehle(m_cursor);
        return false;
    }
    if (!m_aktiv)
        return false;
    const auto alt = m_gitter.bewegeRahmen(taste, m_cursor);
    if (!alt)
        return false;
    altx = alt->x();
    alty = alt->y();
    return true;
}

bool Twahr04::eventFilter(QObject* o, QEvent* e)
{
    // the second press of a double click is a press as well
    if (o == pb && (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick)) {
        const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
        schuetze([&] {
            // on a grid line or past the last cell: no cell, no cost
            if (const auto zelle = m_gitter.raster().zelleBei(p))
                waehle(*zelle);
        });
        return true;
    }
    return Form::eventFilter(o, e);
}
