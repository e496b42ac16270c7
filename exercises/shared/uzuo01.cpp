#include "exercises/shared/uzuo01.h"

#include "common/satzdatei.h"
#include "common/zufall.h"
#include "common/zustand.h"
#include "common/punkte.h"
#include "exercises/shared/blockpunkte.h"
#include "exercises/shared/blockwahl.h"
#include "exercises/shared/mitglied.h"
#include "platform/anwendung.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/schriften.h"
#include "platform/tasten.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <cmath>

namespace {

using G = Zuordnungsart::Gruppen;
using W = Zuordnungsart::Wertung;

Zuordnungsart wortgitter(int n, const char* klasse, const char* titel, const char* wahl, const char* datei,
                         bool aussen)
{
    return {n, QString::fromUtf8(klasse), QString::fromUtf8(titel), QString::fromUtf8(wahl), QString::fromUtf8(datei),
            120, 5, 1, 3, 1, G::BlockRunde, aussen, W::Blockcode, 6, false};
}

Zuordnungsart rechengitter(int n, const char* klasse, const char* datei)
{
    return {n, QString::fromUtf8(klasse), QStringLiteral("Zuordnungen Mathematik"), QString(),
            QString::fromUtf8(datei), 32, 4, 0, 0, 0, G::Runde, false, W::Ganz, 6, false};
}

}

const std::vector<Zuordnungsart>& Tzuo01::mitglieder()
{
    static const std::vector<Zuordnungsart> t{
        wortgitter(44, "Tzuo01", "Zuordnungen", "Blockwahl (1-3)", "zuteil1.dat", false),
        wortgitter(45, "Tzuo01a", "Zuordnungen", "Blockwahl (1-3)", "zuteil2.dat", true),
        wortgitter(46, "Tzuo02", "Gegenteile", "Gegenteile Blockwahl (1-3)", "zugegen.dat", true),
        wortgitter(47, "Tzuo03", "Synonyme", "Synonyme Blockwahl (1-3)", "zusyno.dat", false),
        wortgitter(122, "Tzuo04", "Fremdwörter", "Fremdwörter Blockwahl (1-3)", "zufremd.dat", false),
        wortgitter(123, "Tzuerd", "Erdkunde", "Erdkunde Blockwahl (1-3)", "zuerd.dat", false),
        wortgitter(124, "Tzusach", "Sachkunde", "Sachkunde Blockwahl (1-3)", "zusach.dat", false),
        {52, QStringLiteral("Tfarben"), QStringLiteral("Farben"), QStringLiteral("Farben Blockwahl (0-4)"),
         QStringLiteral("jfarben.dat"), 48, 3, 0, 4, 0, G::Farben, true, W::BlockcodeGanz, 8, true},
        rechengitter(20, "Tzurec1", "zumath1.dat"),
        rechengitter(21, "Tzurec2", "zumath2.dat"),
    };
    return t;
}

const Zuordnungsart& Tzuo01::mitglied(int programm) { return mitgliedVon(mitglieder(), programm); }

Tzuo01::Tzuo01(const Zuordnungsart& art) : m_art(art)
{
    setObjectName(art.klasse);
    setWindowTitle(art.titel);
    setzeNurSystemmenue();
    setzeFarbe(farbe::buttonFace());
    setFont(schrift::font(QStringLiteral("Arial"), 32));
    setzeKeyPreview(true);
    if (!art.fensterflaeche)
        image = gitterbild(this);
    if (!art.wahlText.isEmpty()) {
        blockwahl = new Blockwahl(this, art.wahlText, art.blockVon, art.blockBis, art.wahlLaenge,
                                  [this](int b) { starte(b); });
        Label1 = blockwahl->Label1;
        wahl = blockwahl->wahl;
    }
    setzeMaximiert(true);
}

void Tzuo01::FormShow()
{
    aufgabenzahl = m_art.runden;
    if (blockwahl) {
        blockwahl->anordnen(width(), height());
        blockwahl->leere();
        blockwahl->zeige();
        wahl->setFocus();
    }
}

// Shown once per show: the arithmetic grids start here; an error box does not
// start them again.
void Tzuo01::FormActivate()
{
    if (!blockwahl)
        starte(0);
}

void Tzuo01::FormClose()
{
    m_lauf.abbrechen();
    if (blockwahl)
        blockwahl->zeige();
    if (image) {
        image->hide();
        image->freigeben();
    }
}

void Tzuo01::starte(int block)
{
    if (blockwahl)
        blockwahl->verberge();
    if (image)
        image->show();
    // a missing or short file ends here: no grid, and picks and keys stay idle
    m_tabelle = Satzdatei::liesTexte(m_art.datei, 41, m_art.saetze);
    m_block = block;
    m_rundenNr = 1;
    m_gruppen.clear();
    m_farbgruppen.clear();
    zufall::randomize();  // before the groups are drawn, not only before the first shuffle
    if (m_art.gruppen == G::Farben && block == 0)
        m_farbgruppen = zufall::ohneWiederholung(m_art.runden, 6);
    mischen();
    m_lauf.starte(m_art.runden);
    aufbau();
    rahmen(0, 0);
    setFocus();
}

void Tzuo01::mischen()
{
    int g = m_rundenNr;
    if (m_art.gruppen == G::BlockRunde)
        g = zuordnung::blockgruppe(m_block, m_rundenNr);
    else if (m_art.gruppen == G::Farben)
        g = m_block == 0 ? m_farbgruppen[m_rundenNr - 1] : m_block - 1 + m_rundenNr;
    m_gruppen.push_back(g);
    m_runde.mische(m_tabelle, g);
}

Leinwand& Tzuo01::leinwand() { return image ? image->canvas() : canvas(); }

void Tzuo01::zeige()
{
    if (image)
        image->update();
    else
        update();
}

QImage Tzuo01::bild() { return leinwand().bild() ? *leinwand().bild() : QImage(); }

void Tzuo01::aufbau()
{
    if (image) {
        image->setGeometry(rect());
        image->loeschen(farbe::buttonFace());
    } else {
        repaintWindow();
    }
    const QSize mass = m_art.aussenmass ? aussenmass() : size();
    m_gitter.ex = einheitx = mass.width() / 100;
    m_gitter.ey = einheity = mass.height() / 100;
    m_cx = cursorx = 0;
    m_cy = cursory = 0;
    Leinwand& c = leinwand();
    c.schrift = arialZellhoehe(m_art.schriftFaktor * m_gitter.ey);
    c.schriftFarbe = farbe::schwarz;
    c.pinselKlar = true;
    for (int s = 0; s < zuordnung::kSpalten; ++s)
        for (int z = 0; z < zuordnung::kZeilen; ++z) {
            const QPoint p = m_gitter.textort(s, z);
            c.text(p.x(), p.y(), m_runde.zelle(s + 1, z + 1).text);
            m_gitter.zeichneZelle(c, s, z);
        }
    zeige();
}

void Tzuo01::rahmen(int spalte, int zeile)
{
    m_gitter.rahmen(leinwand(), spalte, zeile);
    zeige();
}

void Tzuo01::loeschen(int spalte, int zeile)
{
    m_gitter.loeschen(leinwand(), spalte, zeile, farbe::buttonFace());
    zeige();
}

// The cell's text again in another colour: its area is cleared first, so no
// fringe of the old colour stays.
void Tzuo01::schreibe(int spalte, int zeile, const QColor& farbe)
{
    Leinwand& c = leinwand();
    const QPoint p = m_gitter.textort(spalte - 1, zeile - 1);
    const QString& text = m_runde.zelle(spalte, zeile).text;
    c.schrift = arialZellhoehe(m_art.schriftFaktor * m_gitter.ey);
    c.pinselFarbe = farbe::buttonFace();
    c.textLoeschen(p.x(), p.y(), text);
    c.pinselKlar = true;
    c.schriftFarbe = farbe;
    c.text(p.x(), p.y(), text);
    c.schriftFarbe = farbe::schwarz;
    zeige();
}

void Tzuo01::check(int spalte, int zeile)
{
    if (!m_lauf.laeuft())
        return;
    const int ersteSpalte = m_runde.ersteSpalte();
    const int ersteZeile = m_runde.ersteZeile();
    switch (m_runde.waehle(spalte, zeile)) {
    case zuordnung::Wahl::Nichts:
        return;
    case zuordnung::Wahl::Erste:
        schreibe(spalte, zeile, farbe::blau);
        return;
    case zuordnung::Wahl::Fehler:
        schreibe(ersteSpalte, ersteZeile, farbe::schwarz);
        m_lauf.punkte -= 40.0f;
        return;
    case zuordnung::Wahl::Treffer:
        m_lauf.punkte += 100.0f;
        schreibe(ersteSpalte, ersteZeile, farbe::weiss);
        schreibe(spalte, zeile, farbe::weiss);
        break;
    }
    if (!m_runde.fertig())
        return;
    if (m_rundenNr < m_art.runden) {
        ++m_rundenNr;
        mischen();
        aufbau();
        rahmen(0, 0);
        return;
    }
    ende();
}

float Tzuo01::endpunkte(float punkte, double sekunden)
{
    float p = static_cast<float>(static_cast<double>(punkte) - sekunden);
    if (!(p >= punkte::kMindestens))
        p = punkte::kMindestens;
    return p;
}

void Tzuo01::ende()
{
    const float p = endpunkte(m_lauf.punkte, m_lauf.sekunden());
    float wert = static_cast<float>(std::trunc(p));
    QString text;
    switch (m_art.wertung) {
    case W::Blockcode:
        wert = blockpunkte::wert(p, m_block);
        text = blockpunkte::meldung(wert);
        break;
    case W::BlockcodeGanz:
        wert = blockpunkte::wert(p, m_block);
        text = punkte::meldungText(wert);
        break;
    case W::Ganz:
        text = punkte::meldungText(wert);
        break;
    }
    m_lauf.beende(this, m_art.programm, wert, text);
}

bool Tzuo01::FormShortCut(int taste, QKeyEvent*)
{
    if (blockwahl && blockwahl->sichtbar())
        return false;
    if (taste == taste::kEsc) {
        close();  // nothing is recorded
        return true;
    }
    if (!m_lauf.laeuft())
        return false;
    altx = m_cx;
    alty = m_cy;
    const bool pfeil = m_gitter.bewege(taste, m_cx, m_cy);
    cursorx = m_cx;
    cursory = m_cy;
    feldnr = m_cy + 1 + 6 * m_cx;
    if (pfeil) {
        loeschen(altx, alty);
        rahmen(m_cx, m_cy);
        return true;
    }
    if (taste == taste::kEnter) {
        check(m_cx + 1, m_cy + 1);
        return true;
    }
    return false;
}

void Tzuo01::mousePressEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    schuetze([&] {
        const int spalte = m_gitter.spalteBei(p.x());
        const int zeile = m_gitter.zeileBei(p.y());
        feldnr = spalte > 0 && zeile > 0 ? (spalte - 1) * 6 + zeile : 0;
        if (feldnr > 0 && !(blockwahl && blockwahl->sichtbar()))
            check(spalte, zeile);
    });
}
