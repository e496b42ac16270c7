#include "exercises/language/uwis08.h"

#include "common/punkte.h"
#include "common/zustand.h"
#include "exercises/shared/blockpunkte.h"
#include "exercises/shared/blockwahl.h"
#include "platform/anwendung.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/schriften.h"
#include "platform/tasten.h"
#include "platform/warten.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kPauseMs = 500;

// Courier New whose ascent plus descent is the given height in pixels.
QFont courierZellhoehe(int zellhoehe)
{
    static const double anteil = [] {
        const QFontMetricsF m(schrift::font(QStringLiteral("Courier New"), 1000));
        return 1000.0 / (m.ascent() + m.descent());
    }();
    return schrift::font(QStringLiteral("Courier New"), std::max(1, static_cast<int>(zellhoehe * anteil)));
}

}

Twis08::Twis08(const silben::Art& art) : m_art(art)
{
    setObjectName(QString::fromUtf8(art.klasse));
    setWindowTitle(QString::fromUtf8(art.titel));
    setzeNurSystemmenue();
    setzeFarbe(farbe::buttonFace());
    setzeKeyPreview(true);
    // first, so the block choice lies over it
    pb = new Malflaeche(this, farbe::buttonFace());
    pb->setObjectName(QStringLiteral("pb"));
    pb->installEventFilter(this);
    m_blockwahl = new Blockwahl(this, QStringLiteral("Blockwahl"), 1, silben::kBloecke, 0,
                                [this](int b) { starte(b); });
    label1 = m_blockwahl->Label1;
    label1->setObjectName(QStringLiteral("label1"));
    label1->setFont(schrift::font(QStringLiteral("Arial"), 48));
    label1->setAlignment(Qt::AlignCenter);
    wahl = m_blockwahl->wahl;
    wahl->setFont(schrift::font(QStringLiteral("Arial"), 32));
    wahl->resize(wahl->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12, wahl->sizeHint().height());
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFont(schrift::font(QStringLiteral("Courier New"), 19));
    QStringList zeilen;
    for (int b = 1; b <= silben::kBloecke; ++b)
        zeilen << silben::themenzeile(b, art.bloecke[b - 1].thema);
    Memo1->setPlainText(zeilen.join(QLatin1Char('\n')));
    setzeMaximiert(true);
}

// Laid out against the maximised window, once for its size (again only when the
// desktop frames it after showing): the grid's cells, the frame units, and an
// image that holds the right and bottom grid lines too. True when it changed.
bool Twis08::ordnePbAn()
{
    const int w = width(), h = height();
    const int breite = w * 9 / 10, hoehe = h * 13 / 20;
    if (m_cw == breite / silben::kSpalten && m_rh == hoehe / silben::kZeilen && m_cw > 0)
        return false;
    m_rh = hoehe / silben::kZeilen;
    m_cw = breite / silben::kSpalten;
    m_fx = static_cast<float>(breite) / 40;
    m_fy = static_cast<float>(hoehe) / 60;
    pb->setGeometry((w - breite) / 2, h / 8, std::max(breite, silben::kSpalten * m_cw + 1),
                    std::max(hoehe, silben::kZeilen * m_rh + 1));
    return true;
}

void Twis08::ordneWahlAn()
{
    const QSize aussen = aussenmass();
    const int w = aussen.width(), h = aussen.height();
    label1->adjustSize();
    label1->move((w - label1->width()) / 2, h * 3 / 5);
    wahl->move((w - wahl->width()) / 2, h * 4 / 5);
    Memo1->setGeometry((w - w / 3) / 2, h / 10, w / 3, h / 3);
}

void Twis08::FormShow()
{
    ordnePbAn();
    ordneWahlAn();
    m_blockwahl->leere();
    m_blockwahl->zeige();
    Memo1->show();
    wahl->setFocus();
    // reset when shown, not on every activation: a message box in a run
    // activates the window again
    m_lauf.punkte = punkte::kStart;
    // the last run's grid stays in view
    if (m_gitterDa)
        zeichne();
}

void Twis08::resizeEvent(QResizeEvent* e)
{
    Form::resizeEvent(e);
    if (!isVisible())
        return;
    ordneWahlAn();
    if (ordnePbAn() && m_gitterDa)
        zeichne();
}

void Twis08::FormClose()
{
    m_lauf.abbrechen();
    m_blockwahl->zeige();
    Memo1->show();
    // a closed window keeps no screen-sized image; the grid is drawn again from its cells
    pb->freigeben();
}

void Twis08::starte(int block)
{
    m_blockwahl->verberge();
    Memo1->hide();
    m_block = block;
    m_tasten = true;
    m_runde.starte(m_art.bloecke[block - 1]);
    m_lauf.starte(silben::kWoerter);
    m_gitterDa = true;
    zeichne();
    setFocus();
}

void Twis08::zeichne()
{
    pb->loeschen(farbe::buttonFace());
    for (int s = 0; s < silben::kSpalten; ++s)
        for (int z = 0; z < silben::kZeilen; ++z)
            zeichneZelle(s, z);
    pb->update();
}

// The cell on its background (blue once solved) with its 1-px outline, its
// syllable (red while picked, white on blue), and the cursor frame if it is there.
void Twis08::zeichneZelle(int s, int z)
{
    Leinwand& c = pb->canvas();
    const silben::Zustand st = m_runde.zustand(s, z);
    const bool geloest = st == silben::Zustand::Geloest;
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.pinselKlar = false;
    c.pinselFarbe = geloest ? farbe::blau : farbe::buttonFace();
    c.rechteck(s * m_cw, z * m_rh, (s + 1) * m_cw + 1, (z + 1) * m_rh + 1);
    c.pinselKlar = true;
    const int h = m_rh / 2;
    c.schrift = courierZellhoehe(h);
    c.schriftFarbe = geloest ? farbe::weiss : st == silben::Zustand::Gewaehlt ? farbe::rot : farbe::schwarz;
    c.text(static_cast<int>((m_cw - h) / 6.0 + s * m_cw), static_cast<int>((m_rh - h) / 2.0 + z * m_rh),
           m_runde.text(s, z));
    if (s == m_cx && z == m_cy)
        rahmen(s, z);
}

void Twis08::rahmen(int s, int z)
{
    Leinwand& c = pb->canvas();
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.pinselKlar = true;
    c.rechteck(static_cast<int>(m_fx * (10 * s + 1)), static_cast<int>(m_fy * (10 * z + 1)),
               static_cast<int>(m_fx * (10 * s + 9)), static_cast<int>(m_fy * (10 * z + 9)));
}

// The pause before a pair is judged; picks and grid keys are dropped meanwhile.
// False when the window closed or the run ended meanwhile.
bool Twis08::pause(int ms, bool tasten)
{
    if (tasten)
        m_tasten = false;
    const bool weiter = wartenBewacht(this, ms, Pauseneingabe::Gesperrt, [this] { return m_lauf.laeuft(); });
    if (tasten)
        m_tasten = true;
    return weiter;
}

void Twis08::waehle(int s, int z, bool tasten)
{
    if (!m_lauf.laeuft())
        return;
    switch (m_runde.waehle(s, z)) {
    case silben::Wahl::Nichts:
        break;
    case silben::Wahl::Erste:
        zeichneZelle(s, z);
        break;
    case silben::Wahl::Zweite: {
        zeichneZelle(s, z);
        pb->update();
        if (!pause(kPauseMs, tasten))
            return;
        const bool richtig = m_runde.urteile();
        m_lauf.punkte += richtig ? punkte::kProAufgabe : -20.0f;
        zeichneZelle(m_runde.ersteSpalte(), m_runde.ersteZeile());
        zeichneZelle(m_runde.zweiteSpalte(), m_runde.zweiteZeile());
        break;
    }
    }
    pb->update();
    if (m_runde.fertig())
        ende();
}

float Twis08::endpunkte(float punkte, double sekunden, int block)
{
    float p = static_cast<float>(static_cast<double>(punkte) - sekunden);
    if (!(p >= punkte::kMindestens))
        p = punkte::kMindestens;
    // no 0.0005 here, unlike the pair grids
    return blockpunkte::wert(p, block, 0.0);
}

void Twis08::ende()
{
    const float wert = endpunkte(m_lauf.punkte, m_lauf.sekunden(), m_block);
    m_lauf.beende(this, m_art.programm, wert, blockpunkte::meldung(wert, 5));
}

bool Twis08::FormShortCut(int taste, QKeyEvent*)
{
    if (taste == taste::kEsc) {
        close();  // also during the block choice and a pause; nothing is recorded
        return true;
    }
    const bool pfeil = taste >= taste::kLinks && taste <= taste::kRunter;
    if (!m_lauf.laeuft())
        return false;
    if (pfeil) {
        if (!m_tasten)
            return true;
        altx = m_cx;
        alty = m_cy;
        switch (taste) {
        case taste::kLinks: m_cx = (m_cx + silben::kSpalten - 1) % silben::kSpalten; break;
        case taste::kHoch: m_cy = (m_cy + silben::kZeilen - 1) % silben::kZeilen; break;
        case taste::kRechts: m_cx = (m_cx + 1) % silben::kSpalten; break;
        default: m_cy = (m_cy + 1) % silben::kZeilen; break;
        }
        zeichneZelle(altx, alty);
        rahmen(m_cx, m_cy);
        pb->update();
        return true;
    }
    if (taste == taste::kEnter) {
        waehle(m_cx, m_cy, true);
        return true;
    }
    return false;
}

// Strictly inside a cell: a point on a grid line or the outer edge hits none.
void Twis08::pbMouseDown(int x, int y)
{
    if (m_cw <= 0 || m_rh <= 0 || x % m_cw == 0 || y % m_rh == 0)
        return;
    const int s = x / m_cw, z = y / m_rh;
    if (x < 0 || y < 0 || s >= silben::kSpalten || z >= silben::kZeilen)
        return;
    waehle(s, z, false);
}

bool Twis08::eventFilter(QObject* o, QEvent* e)
{
    if (o == pb && e->type() == QEvent::MouseButtonPress) {
        const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
        schuetze([&] { pbMouseDown(p.x(), p.y()); });
        return true;
    }
    return Form::eventFilter(o, e);
}
