#include "exercises/memory/uwahr01.h"

#include "common/punkte.h"
#include "common/zufall.h"
#include "exercises/memory/zellraster.h"
#include "exercises/shared/fensterteile.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/tasten.h"

#include <QFrame>
#include <QLabel>
#include <algorithm>

const std::vector<Farfoart>& Twahr01::mitglieder()
{
    static const std::vector<Farfoart> t{
        {109, QStringLiteral("Twahr01"), QStringLiteral("FARFO I"), false, true, QStringLiteral("Fehler !")},
        {116, QStringLiteral("Twahr08"), QStringLiteral("FARFO II"), true, false, QStringLiteral("Fehler!")},
    };
    return t;
}

Twahr01::Twahr01(const Farfoart& art) : m_art(art)
{
    setObjectName(art.klasse);
    setWindowTitle(art.titel);
    setzeNurSystemmenue();
    setzeFarbe(farbe::buttonFace());
    setzeKeyPreview(true);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->resize(185, 41);
    Label1 = teile::etikett(Panel1, QStringLiteral("Label1"), QStringLiteral("Arial"), 19);
    Label1->setGeometry(Panel1->rect().adjusted(2, 2, -2, -2));
    ima = new Malflaeche(this, farbe::silber);
    ima->setObjectName(QStringLiteral("ima"));
    setzeMaximiert(true);
}

// Once per show: the message boxes of the tasks do not start the run again.
void Twahr01::FormActivate()
{
    m_lauf.starte(kAufgaben);
    m_lauf.punkte = 0.0f;
    m_aufgabe = 1;
    m_richtige = 0;
    neuspiel();
    setFocus();
}

void Twahr01::FormClose()
{
    m_lauf.abbrechen();  // Esc and the close box record nothing
    ima->freigeben();
}

void Twahr01::neuspiel()
{
    zufall::randomize();
    // from the outer size the window has maximised (on the first showing too)
    const QSize aussen = aussenmass();
    m_s = std::max(1, aussen.height() * 42 / 40 / 140);
    Panel1->move((aussen.width() - Panel1->width()) / 2, 10);
    Label1->setText(QString::number(m_aufgabe) + QStringLiteral(" / 20"));
    const int breite = 140 * m_s, hoehe = 100 * m_s;
    ima->setGeometry((aussen.width() - breite) / 2, Panel1->geometry().bottom() + 1 + 10, breite, hoehe);
    Leinwand& c = ima->canvas();
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.pinselKlar = false;
    c.pinselFarbe = farbe::silber;
    c.rechteck(0, 0, breite, hoehe);

    m_feld.neueAufgabe(m_richtige);
    if (m_art.umrisse) {
        const auto umriss = [&](int spalte, int zeile) {
            const int z = 10 * m_s;
            c.rechteck((spalte - 1) * z + 2 * m_s, (zeile - 1) * z + 2 * m_s, spalte * z - 2 * m_s, zeile * z - 2 * m_s);
        };
        for (int spalte = 1; spalte <= Farfofeld::kSuche; ++spalte)
            for (int zeile = 1; zeile <= Farfofeld::kSuche; ++zeile)
                umriss(spalte, zeile);
        for (int i = 0; i < Farfofeld::kBlock; ++i)
            for (int j = 0; j < Farfofeld::kBlock; ++j)
                umriss(Farfofeld::kMusterSpalte + i, 1 + j);
    }
    aufbau1();
    m_cursor = QPoint(2, 2);
    aufbau(m_cursor, Cursor);
    ima->update();
}

// The sample's white frame, then every item of the field and the sample.
void Twahr01::aufbau1()
{
    Leinwand& c = ima->canvas();
    c.pinselKlar = true;
    c.stiftBreite = 5;
    c.stiftFarbe = farbe::weiss;
    c.rechteck(111 * m_s, m_s, 139 * m_s, 29 * m_s);
    c.pinselKlar = false;
    c.stiftBreite = 1;
    c.stiftFarbe = farbe::schwarz;
    for (int spalte = 1; spalte <= Farfofeld::kSpalten; ++spalte)
        for (int zeile = 1; zeile <= Farfofeld::kZeilen; ++zeile)
            if (m_feld.code(spalte, zeile) > 0)
                zeichneZelle(spalte, zeile);
}

// An item in its cell with a black outline: a square in the colour of its
// code, or a blue shape chosen by its code.
void Twahr01::zeichneZelle(int spalte, int zeile)
{
    static const QColor farben[] = {farbe::gruen, farbe::blau, farbe::rot, farbe::gelb};
    const int code = m_feld.code(spalte, zeile);
    const int s = m_s, x = (spalte - 1) * 10 * s, y = (zeile - 1) * 10 * s;
    Leinwand& c = ima->canvas();
    if (!m_art.formen) {
        c.pinselFarbe = farben[code - 1];
        c.rechteck(x + 2 * s, y + 2 * s, x + 8 * s, y + 8 * s);
        return;
    }
    c.pinselFarbe = farbe::blau;
    switch (code) {
    case 1: c.rechteck(x + 2 * s, y + 2 * s, x + 8 * s, y + 8 * s); break;
    case 2: c.rechteck(x + 4 * s, y + 2 * s, x + 6 * s, y + 8 * s); break;
    case 3: c.rechteck(x + 2 * s, y + 4 * s, x + 8 * s, y + 6 * s); break;
    default: c.ellipse(x + 2 * s, y + 2 * s, x + 8 * s, y + 8 * s); break;
    }
}

// The frame round the 3 x 3 block with that top-left cell: silver erases it,
// white is the cursor, red the place of the sample.
void Twahr01::aufbau(QPoint block, Modus modus)
{
    static const QColor stift[] = {farbe::silber, farbe::weiss, farbe::rot};
    Leinwand& c = ima->canvas();
    const int z = 10 * m_s;
    c.pinselKlar = true;
    c.stiftBreite = 5;
    c.stiftFarbe = stift[modus];
    c.rechteck((block.x() - 1) * z + m_s, (block.y() - 1) * z + m_s, (block.x() + 2) * z - m_s, (block.y() + 2) * z - m_s);
    c.pinselKlar = false;
    c.stiftBreite = 1;
    c.stiftFarbe = farbe::schwarz;
    ima->update();
}

void Twahr01::pruefe()
{
    if (!m_lauf.laeuft())
        return;
    const bool richtig = m_feld.gleichDemMuster(m_cursor);
    if (richtig) {
        dialog::zeige(QStringLiteral("RICHTIG !"));
    } else {
        aufbau(m_feld.ursprung(), Muster);
        dialog::zeige(m_art.fehlerText);
    }
    // the box runs the message loop: go on only with the run still on
    if (!m_lauf.laeuft() || !isVisible())
        return;
    if (richtig) {
        m_lauf.punkte += kRichtig;
        ++m_richtige;
    }
    if (++m_aufgabe <= kAufgaben) {
        neuspiel();
        return;
    }
    m_lauf.beende(this, m_art.programm, punkte::abschluss(m_lauf.punkte, m_lauf.sekunden()), {}, Endfolge::EintragZuerst);
}

bool Twahr01::FormShortCut(int taste, QKeyEvent*)
{
    if (taste == taste::kEsc) {
        close();
        return true;
    }
    if (!m_lauf.laeuft())
        return false;
    if (taste == taste::kEnter) {
        pruefe();
        return true;
    }
    // the cursor's block, 1 to 8 each way, wrapping
    static const Zellraster bloecke(8, 8, 0, 0);
    QPoint neu = m_cursor - QPoint(1, 1);
    if (!bloecke.bewege(taste, neu))
        return false;
    aufbau(m_cursor, Loeschen);
    m_cursor = neu + QPoint(1, 1);
    aufbau(m_cursor, Cursor);
    return true;
}
