#include "exercises/memory/umemo3.h"

#include "common/zufall.h"
#include "common/zustand.h"
#include "exercises/shared/fensterteile.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/tasten.h"

#include <QMouseEvent>
#include <QPushButton>

using namespace merkspanne;

namespace {
std::vector<TBegriff> keinVorrat() { return {}; }
std::vector<QString> zahlenAus(const std::vector<TBegriff>&) { return zahlen(); }
}

const std::vector<Merkart>& Tmemo3::mitglieder()
{
    static const std::vector<Merkart> t{
        {87, QStringLiteral("Tmemo3"), QStringLiteral("Zahlmerk"), keinVorrat, zahlenAus},
        {88, QStringLiteral("Tmemo4"), QStringLiteral("Wortmerk"), wortliste::ganzeListe, woerter},
    };
    return t;
}

Tmemo3::Tmemo3(const Merkart& art) : m_art(art)
{
    setObjectName(art.klasse);
    setWindowTitle(art.titel);
    setzeNurSystemmenue();
    setzeFarbe(farbe::buttonFace());
    setzeKeyPreview(true);

    Start = teile::knopf(this, QStringLiteral("Start"), QStringLiteral("Start"));
    Start->setGeometry(0, 56, 209, 57);
    connect(Start, &QPushButton::clicked, this, [this] { schuetze([this] { StartClick(); }); });
    setzeMaximiert(true);
}

void Tmemo3::FormShow() { Start->move((width() - Start->width()) / 2, 56); }

// Esc or the close box: nothing is recorded, the next Start begins afresh.
void Tmemo3::FormClose()
{
    m_lauf.abbrechen();
    m_phase = 0;
    Start->show();
}

void Tmemo3::StartClick()
{
    if (m_lauf.laeuft())
        return;
    // The words are read and the first round built before anything is drawn:
    // a missing or short list leaves the window idle with its button shown, and
    // no later round reads the file again.
    m_vorrat = m_art.vorrat();
    m_spanne = Spanne();
    m_rundenNr = 0;
    baueRunde();
    Start->hide();
    setFocus();
    zeichnen(0);
    m_lauf.starte(kRunden);
}

void Tmemo3::baueRunde()
{
    zufall::randomize();
    std::vector<QString> elemente = m_art.elemente(m_vorrat);
    m_runde = Runde(std::move(elemente), m_spanne.k());
    ++m_rundenNr;
    m_phase = 0;
}

void Tmemo3::zeichnen(int modus)
{
    m_gitter.ey = einheity = height() / 100;
    m_gitter.ex = einheitx = width() / 100;
    repaintWindow();
    m_cx = cursorx = 0;
    m_cy = cursory = 0;
    Leinwand& c = canvas();
    c.schrift = arialZellhoehe(8 * m_gitter.ey);
    c.schriftFarbe = farbe::schwarz;
    c.pinselKlar = true;
    for (int s = 0; s < kSpalten; ++s)
        for (int z = 0; z < kZeilen; ++z) {
            const int n = zelle(s, z);
            const QPoint p = m_gitter.textort(s, z);
            m_gitter.zeichneZelle(c, s, z);
            c.text(p.x(), p.y(), modus == 0 ? m_runde.listenplatz(n + 1) : m_runde.element(n));
        }
    update();
}

// The item of a board cell in another colour: the box is cleared inside first,
// so no smoothed fringe of the old colour stays.
void Tmemo3::schreibe(int n, const QColor& farbe)
{
    const int s = n / kZeilen, z = n % kZeilen;
    Leinwand& c = canvas();
    c.pinselKlar = false;
    c.pinselFarbe = farbe::buttonFace();
    const QRect box = m_gitter.zellrahmen(s, z);
    c.fuellen(box.left() + 1, box.top() + 1, box.right(), box.bottom());
    const QPoint p = m_gitter.textort(s, z);
    c.schrift = arialZellhoehe(8 * m_gitter.ey);
    c.pinselKlar = true;
    c.schriftFarbe = farbe;
    c.text(p.x(), p.y(), m_runde.element(n));
    c.schriftFarbe = farbe::schwarz;
    update(box);
}

void Tmemo3::rahmen(int spalte, int zeile, bool zeigen)
{
    if (zeigen)
        m_gitter.rahmen(canvas(), spalte, zeile);
    else
        m_gitter.loeschen(canvas(), spalte, zeile, farbe::buttonFace());
    update(m_gitter.cursorrahmen(spalte, zeile).adjusted(-2, -2, 2, 2));
}

// Keys act only in a run: before Start a Space reaches the focused button.
bool Tmemo3::FormShortCut(int t, QKeyEvent*)
{
    if (!m_lauf.laeuft())
        return false;
    if (m_phase == 0) {
        if (t != taste::kLeer)
            return false;
        m_phase = 1;
        zeichnen(1);
        rahmen(0, 0, true);
        return true;
    }
    altx = m_cx;
    alty = m_cy;
    if (m_gitter.bewege(t, m_cx, m_cy)) {
        cursorx = m_cx;
        cursory = m_cy;
        feldnr = m_cx * kZeilen + m_cy + 1;
        rahmen(altx, alty, false);
        rahmen(m_cx, m_cy, true);
        return true;
    }
    if (t == taste::kEsc) {
        close();
        return true;
    }
    if (t == taste::kEnter) {
        check(m_cx + 1, m_cy + 1);
        return true;
    }
    return false;
}

void Tmemo3::mousePressEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    schuetze([&] { FormMouseDown(p.x(), p.y()); });
}

// Inside the bands of a box, edges included; between the boxes nothing.
void Tmemo3::FormMouseDown(int x, int y)
{
    const int spalte = m_gitter.spalteBei(x);
    const int zeile = m_gitter.zeileBei(y);
    feldnr = spalte > 0 && zeile > 0 ? (spalte - 1) * kZeilen + zeile : 0;
    if (feldnr > 0 && m_phase == 1)
        check(spalte, zeile);
}

void Tmemo3::check(int spalte, int zeile)
{
    if (!m_lauf.laeuft() || m_phase != 1)
        return;
    const int n = zelle(spalte - 1, zeile - 1);
    switch (m_runde.waehle(n)) {
    case Runde::Wahl::Nichts:
        return;
    case Runde::Wahl::Abgewaehlt:
        schreibe(n, farbe::schwarz);
        return;
    case Runde::Wahl::Gewaehlt:
        schreibe(n, farbe::weiss);
        return;
    case Runde::Wahl::Beurteilt:
        schreibe(n, farbe::weiss);
        beurteile();
        return;
    }
}

void Tmemo3::beurteile()
{
    for (int n = 0; n < kZellen; ++n) {
        if (m_runde.inListe(n))
            schreibe(n, m_runde.gewaehlt(n) ? farbe::gruen : farbe::rot);
    }
    const int treffer = m_runde.treffer();
    dialog::zeige(QStringLiteral("%1 Treffer").arg(treffer));
    // the window may have closed while the box was up
    if (!m_lauf.laeuft() || !isVisible())
        return;
    m_lauf.punkte += kProTreffer * treffer;
    m_spanne.werte(treffer);
    aufgabenzahl = kRunden;
    if (m_rundenNr < kRunden) {
        baueRunde();
        zeichnen(0);
        return;
    }
    m_lauf.beende(this, m_art.programm, endpunkte(m_lauf.punkte, m_lauf.sekunden()));
}
