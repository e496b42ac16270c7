#include "exercises/reaction/urea04.h"

#include "common/zufall.h"
#include "exercises/shared/fensterteile.h"
#include "platform/anwendung.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/schriften.h"

#include <QMouseEvent>
#include <QPushButton>

namespace {
QString text(int buchstabe) { return QString(QChar(u'A' + buchstabe - 1)); }
}

const std::vector<Feldart>& Trea04::mitglieder()
{
    static const std::vector<Feldart> t{
        {63, QStringLiteral("Trea04"), QStringLiteral("Tastaturspiel"), false, 4, 5, 1, 2, 8},
        {64, QStringLiteral("Trea05"), QStringLiteral("Mausspiel"), true, 3, 4, 0, 1, 20},
    };
    return t;
}

Trea04::Trea04(const Feldart& art) : m_art(art)
{
    setObjectName(art.klasse);
    setWindowTitle(art.titel);
    setzeNurSystemmenue();
    setzeFarbe(farbe::buttonFace());
    setzeKeyPreview(true);

    start = teile::knopf(this, QStringLiteral("start"), QStringLiteral("Start"));
    connect(start, &QPushButton::clicked, this, [this] { schuetze([this] { startClick(); }); });
    pb = new Malflaeche(this, farbe::buttonFace());
    pb->setObjectName(QStringLiteral("pb"));
    pb->installEventFilter(this);
    pb->hide();
    setzeMaximiert(true);
    anordnen();
}

void Trea04::anordnen()
{
    const QSize aussen = aussenmass();
    const int hoehe = aussen.height() * m_art.hoeheZ / m_art.hoeheN;
    const int breite = m_art.breiteZ ? aussen.width() * m_art.breiteZ / m_art.breiteN : hoehe;
    pb->resize(breite, hoehe);
    teile::mittig(pb, aussen.height() / m_art.obenN);
    m_feld.messe(breite, hoehe);
    start->move((width() - start->width()) / 2, (height() - start->height()) / 2);
}

void Trea04::FormShow() { anordnen(); }

// Once per show: the message box at the end does not hide the field.
void Trea04::FormActivate() { pb->hide(); }

void Trea04::FormClose()
{
    m_lauf.abbrechen();  // the close box records nothing
    start->show();
    pb->hide();
    pb->freigeben();
}

void Trea04::startClick()
{
    if (m_lauf.laeuft())
        return;
    pb->show();
    zufall::randomize();
    m_lauf.starte(kTreffer);
    m_treffer = 0;
    m_vorher = QPoint(0, 0);  // so the first square is never top left
    start->hide();
    aufbau();
    maleFeld();
    setFocus();
}

void Trea04::aufbau()
{
    if (m_art.maus) {
        m_zelle = feldaufgabe::andereZelle(m_vorher);
        m_vorher = m_zelle;
    } else {
        const int c = zufall::R(Fuenffeld::kSeite) - 1;
        const int r = zufall::R(Fuenffeld::kSeite) - 1;
        m_zelle = QPoint(c, r);
        m_buchstabe = feldaufgabe::andererBuchstabe(m_buchstabe);
    }
}

void Trea04::maleFeld()
{
    Leinwand& l = pb->canvas();
    l.stiftBreite = 0;
    l.pinselKlar = false;
    l.pinselFarbe = farbe::buttonFace();
    l.fuellen(0, 0, pb->width(), pb->height());
    if (m_art.maus)
        m_feld.gitter(l);
    pb->update();
    maleAufgabe(true);
}

// The square or the letter; erased in the button face.
void Trea04::maleAufgabe(bool zeigen)
{
    Leinwand& l = pb->canvas();
    const QRect z = m_feld.zelle(m_zelle.x(), m_zelle.y());
    if (m_art.maus) {
        // over the lines around it; an erased square gives them back
        l.stiftBreite = 0;
        l.pinselKlar = false;
        l.pinselFarbe = zeigen ? farbe::blau : farbe::buttonFace();
        l.fuellen(z.left(), z.top(), z.right() + 2, z.bottom() + 2);
        if (!zeigen)
            m_feld.gitter(l);
        pb->update(z.adjusted(-1, -1, 2, 2));
        return;
    }
    if (zeigen) {
        l.schrift = schrift::font(QStringLiteral("Courier New"), m_feld.schrifthoehe());
        l.schriftFarbe = farbe::schwarz;
        m_feld.schreibe(l, m_zelle, m_feld.linksMittig(), text(m_buchstabe));
    } else {
        m_feld.loesche(l, m_zelle, m_feld.linksMittig(), text(m_buchstabe), farbe::buttonFace());
    }
    pb->update(z.adjusted(-m_feld.w(), 0, m_feld.w(), 0));
}

// Every key-down of a run: its letter's key, with or without Shift, is a hit;
// any other key a miss, Shift, the arrows and keys without a code included.
bool Trea04::FormShortCut(int taste, QKeyEvent*)
{
    if (m_art.maus || !m_lauf.laeuft())
        return false;  // before Start nothing counts
    if (taste - 64 == m_buchstabe)
        getroffen();
    else
        m_lauf.punkte -= kPunkte;
    return true;
}

bool Trea04::eventFilter(QObject* o, QEvent* e)
{
    // any button, and the second press of a double click as well
    if (o == pb && (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick)) {
        const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
        schuetze([&] { pbMouseDown(p); });
        return true;
    }
    return Form::eventFilter(o, e);
}

void Trea04::pbMouseDown(QPoint p)
{
    if (!m_art.maus || !m_lauf.laeuft())
        return;
    if (m_feld.zelleBei(p) == m_zelle)
        getroffen();
    else
        m_lauf.punkte -= kPunkte;  // the square stays
}

void Trea04::getroffen()
{
    maleAufgabe(false);
    m_lauf.punkte += kPunkte;
    if (++m_treffer >= kTreffer) {
        m_lauf.beende(this, m_art.programm, m_lauf.abschluss());
        return;
    }
    aufbau();
    maleAufgabe(true);
}
