#include "exercises/language/uerg01.h"

#include "common/satzdatei.h"
#include "common/zufall.h"
#include "common/zustand.h"
#include "exercises/shared/blockpunkte.h"
#include "exercises/shared/blockwahl.h"
#include "exercises/shared/mitglied.h"
#include "exercises/shared/uzuo01.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/schriften.h"
#include "platform/tasten.h"
#include "platform/warten.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>

QRect Haelftengitter::zellrahmen(int i) const
{
    return QRect(QPoint(3 * ex, (12 * i + 8) * ey), QPoint(97 * ex, (12 * i + 16) * ey));
}

QPoint Haelftengitter::textort(int i) const { return QPoint(5 * ex, (12 * i + 9) * ey); }

QRect Haelftengitter::cursorrahmen(int i) const
{
    return QRect(QPoint(1 * ex, (12 * i + 6) * ey), QPoint(99 * ex, (12 * i + 18) * ey));
}

int Haelftengitter::zeileBei(int y) const
{
    if (ey <= 0)
        return 0;
    for (int i = 1; i <= satzrunde::Haelftenrunde::kSaetze; ++i)
        if ((12 * i + 8) * ey <= y && y <= (12 * i + 16) * ey)
            return i;
    return 0;
}

const std::vector<Satzgitterart>& Terga01::mitglieder()
{
    static const std::vector<Satzgitterart> t{
        {57, QStringLiteral("Terga01"), QStringLiteral("Sätze ergänzen"),
         QStringLiteral("Sätze ergänzen Blockwahl (1-9)"), QStringLiteral("satzergw.dat"), 9, 3, 10, 8, false},
        {58, QStringLiteral("Terga02"), QStringLiteral("Wortfamilien"), QStringLiteral("Wortfamilien Blockwahl (1-8)"),
         QStringLiteral("wortfamw.dat"), 8, 3, 10, 6, false},
        {59, QStringLiteral("Terga03"), QStringLiteral("Satzhälften"), QStringLiteral("Satzhälften Blockwahl (1-4)"),
         QStringLiteral("vmsatzha.dat"), 4, 5, 7, 6, true},
    };
    return t;
}

const Satzgitterart& Terga01::mitglied(int programm) { return mitgliedVon(mitglieder(), programm); }

Terga01::Terga01(const Satzgitterart& art) : m_art(art)
{
    setObjectName(art.klasse);
    setWindowTitle(art.titel);
    setzeNurSystemmenue();
    setzeFarbe(farbe::buttonFace());
    setFont(schrift::font(QStringLiteral("Arial"), 32));
    setzeKeyPreview(true);
    image = gitterbild(this);
    ausgabe = new QPlainTextEdit(this);
    ausgabe->setObjectName(QStringLiteral("ausgabe"));
    ausgabe->setReadOnly(true);
    ausgabe->setFocusPolicy(Qt::NoFocus);
    ausgabe->setFont(schrift::font(QStringLiteral("Arial"), 29));
    ausgabe->hide();
    blockwahl = new Blockwahl(this, art.wahlText, 1, art.bloecke, 1, [this](int b) { starte(b); });
    Label1 = blockwahl->Label1;
    wahl = blockwahl->wahl;
    m_gitter.ersteZeile = 1;
    m_gitter.letzteZeile = satzrunde::Lueckenrunde::kZeilen;
    setzeMaximiert(true);
}

void Terga01::FormShow()
{
    aufgabenzahl = m_art.runden;
    ausgabe->hide();
    blockwahl->anordnen(width(), height());
    blockwahl->leere();
    blockwahl->zeige();
    wahl->setFocus();
}

void Terga01::FormClose()
{
    m_lauf.abbrechen();
    ausgabe->hide();
    image->hide();
    image->freigeben();
    blockwahl->zeige();
}

void Terga01::starte(int block)
{
    blockwahl->verberge();
    image->show();
    m_block = block;
    m_rundenNr = 1;
    m_satzNr = 1;
    // a missing or short file ends here: no grid, and picks and keys stay idle
    rechnen();
    m_lauf.starte(m_art.runden);
    aufbau();
    rahmen();
    setFocus();
}

void Terga01::rechnen()
{
    zufall::randomize();
    m_ersterSatz = ((m_block - 1) * m_art.runden + m_rundenNr - 1) * m_art.saetze;
    QStringList saetze;
    {
        Satzdatei f(m_art.datei, m_art.haelften ? 81 : 79);
        f.positioniere(m_ersterSatz);
        for (int i = 0; i < m_art.saetze; ++i)
            saetze << f.liesText();
    }
    if (m_art.haelften)
        m_haelften.baue(saetze);
    else
        m_luecken.baue(saetze);
    zeigeSatz(m_art.haelften ? m_haelften.erste(1) : m_luecken.frage(1), false);
}

QImage Terga01::bild() const { return image->bild(); }

void Terga01::zeigeSatz(const QString& text, bool gelb)
{
    QPalette p = ausgabe->palette();
    p.setColor(QPalette::Base, gelb ? farbe::gelb : farbe::weiss);
    ausgabe->setPalette(p);
    ausgabe->setPlainText(text);
}

void Terga01::rahmenstrich(const QRect& r, const QColor& farbe, int breite)
{
    zeichneRahmen(image->canvas(), r, farbe, breite);
    image->update();
}

void Terga01::aufbau()
{
    const QSize aussen = aussenmass();
    const int W = aussen.width();
    const int H = aussen.height();
    const int breite = W * 18 / 20;
    ausgabe->setGeometry((W - breite) / 2, H / 40, breite, ausgabe->height());
    image->setGeometry(rect());
    image->loeschen(farbe::buttonFace());
    if (m_art.haelften) {
        m_hgitter.ey = einheity = H / 105;
        m_hgitter.ex = einheitx = width() / 100;
    } else {
        m_gitter.ey = einheity = H / 100;
        m_gitter.ex = einheitx = W / 100;
    }
    ausgabe->resize(breite, 14 * einheity);
    m_cx = cursorx = 0;
    m_cy = cursory = 1;
    Leinwand& c = image->canvas();
    c.schrift = arialZellhoehe(m_art.schriftFaktor * einheity);
    c.schriftFarbe = farbe::schwarz;
    c.pinselKlar = true;
    c.stiftBreite = 1;
    c.stiftFarbe = farbe::schwarz;
    if (m_art.haelften) {
        for (int i = 1; i <= satzrunde::Haelftenrunde::kSaetze; ++i) {
            const QPoint p = m_hgitter.textort(i);
            c.text(p.x(), p.y(), m_haelften.zeile(i));
            rahmenstrich(m_hgitter.zellrahmen(i), farbe::schwarz, 1);
        }
    } else {
        for (int s = 0; s < satzrunde::Lueckenrunde::kSpalten; ++s)
            for (int r = 1; r <= satzrunde::Lueckenrunde::kZeilen; ++r) {
                const QPoint p = m_gitter.textort(s, r);
                c.text(p.x(), p.y(), m_luecken.zelle(s + 1, r));
                m_gitter.zeichneZelle(c, s, r);
            }
    }
    ausgabe->show();
    ausgabe->raise();
    image->update();
}

void Terga01::rahmen()
{
    if (m_art.haelften)
        rahmenstrich(m_hgitter.cursorrahmen(m_cy), farbe::blau, 3);
    else
        m_gitter.rahmen(image->canvas(), m_cx, m_cy);
    image->update();
}

void Terga01::loeschen(int spalte, int zeile)
{
    if (m_art.haelften)
        rahmenstrich(m_hgitter.cursorrahmen(zeile), farbe::buttonFace(), 3);
    else
        m_gitter.loeschen(image->canvas(), spalte, zeile, farbe::buttonFace());
    image->update();
}

// Gap grids: column 1-2, row 2-6 (the sentence line is row 1); halves: row 1-7.
void Terga01::check(int spalte, int zeile)
{
    if (!m_lauf.laeuft() || m_satzNr > m_art.saetze)
        return;
    const int frage = m_satzNr;
    const bool richtig = m_art.haelften ? m_haelften.richtig(frage, zeile) : m_luecken.richtig(frage, spalte, zeile - 1);
    const QRect feld = m_art.haelften ? m_hgitter.zellrahmen(zeile) : m_gitter.cursorrahmen(spalte - 1, zeile - 1);
    ++m_satzNr;
    const bool naechster = m_satzNr <= m_art.saetze;
    auto naechsteFrage = [&] { return m_art.haelften ? m_haelften.erste(m_satzNr) : m_luecken.frage(m_satzNr); };
    if (richtig) {
        m_lauf.punkte += 100.0f;
        rahmenstrich(feld, farbe::gruen, 10);
        // picks during the pause would answer the next sentence unseen
        if (!wartenBewacht(this, 1000, Pauseneingabe::Gesperrt, [this] { return m_lauf.laeuft(); }))
            return;
        rahmenstrich(feld, farbe::buttonFace(), 10);
        if (m_art.haelften)
            rahmenstrich(feld, farbe::schwarz, 1);
        else
            rahmen();
        if (naechster)
            zeigeSatz(naechsteFrage(), false);
    } else {
        zeigeSatz(m_art.haelften ? m_haelften.ganz(frage) : satzrunde::loesung(m_luecken.satz(frage)), true);
        dialog::zeige(QStringLiteral("FEHLER!!"));
        if (!m_lauf.laeuft() || !isVisible())
            return;
        zeigeSatz(naechster ? naechsteFrage() : ausgabe->toPlainText(), false);
    }
    if (!naechster)
        weiter();
}

void Terga01::weiter()
{
    if (m_rundenNr >= m_art.runden) {
        ende();
        return;
    }
    m_satzNr = 1;
    ++m_rundenNr;
    try {
        rechnen();
    } catch (...) {
        // a file that ends early: the run stops without a grid
        m_lauf.abbrechen();
        image->loeschen(farbe::buttonFace());
        ausgabe->hide();
        throw;
    }
    aufbau();
    rahmen();
}

void Terga01::ende()
{
    const float wert = blockpunkte::wert(Tzuo01::endpunkte(m_lauf.punkte, m_lauf.sekunden()), m_block);
    m_lauf.beende(this, m_art.programm, wert, blockpunkte::meldung(wert));
}

bool Terga01::FormShortCut(int taste, QKeyEvent*)
{
    if (blockwahl->sichtbar())
        return false;
    if (taste == taste::kEsc) {
        close();  // nothing is recorded
        return true;
    }
    if (!m_lauf.laeuft())
        return false;
    altx = m_cx;
    alty = m_cy;
    bool pfeil = false;
    if (m_art.haelften) {
        constexpr int n = satzrunde::Haelftenrunde::kSaetze;
        if (taste == taste::kHoch)
            m_cy = m_cy <= 1 ? n : m_cy - 1;
        else if (taste == taste::kRunter)
            m_cy = m_cy >= n ? 1 : m_cy + 1;
        pfeil = taste == taste::kHoch || taste == taste::kRunter;
    } else {
        pfeil = m_gitter.bewege(taste, m_cx, m_cy);
    }
    cursorx = m_cx;
    cursory = m_cy;
    if (pfeil) {
        loeschen(altx, alty);
        rahmen();
        return true;
    }
    if (taste == taste::kEnter) {
        if (m_art.haelften)
            check(1, m_cy);
        else
            check(m_cx + 1, m_cy + 1);
        return true;
    }
    return false;
}

void Terga01::mousePressEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    schuetze([&] {
        if (blockwahl->sichtbar())
            return;
        if (m_art.haelften) {
            if (const int z = m_hgitter.zeileBei(p.y()); z > 0)
                check(1, z);
            return;
        }
        const int spalte = m_gitter.spalteBei(p.x());
        const int zeile = m_gitter.zeileBei(p.y());
        if (spalte > 0 && zeile > 0)
            check(spalte, zeile);
    });
}
