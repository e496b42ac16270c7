#include "exercises/memory/uwahr03.h"

#include "common/punkte.h"
#include "common/textformat.h"
#include "common/zufall.h"
#include "common/zustand.h"
#include "exercises/shared/fensterteile.h"
#include "platform/anwendung.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/tasten.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

Twahr03::Twahr03() : m_gitter(nullptr)
{
    setObjectName(QStringLiteral("Twahr03"));
    setWindowTitle(QStringLiteral("Alphamix"));
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
    setzeMaximiert(true);
    FormShow();
}

// From the outer size the window has maximised (on the first showing too).
void Twahr03::FormShow() { m_gitter.anordnen(aussenmass(), width(), start, folge); }

// Once per show: the message window at the end does not set the run back.
void Twahr03::FormActivate()
{
    m_cursor = QPoint(0, 0);
    folge->clear();
    pb->hide();
}

void Twahr03::FormClose()
{
    // Esc and the close box record nothing; after a reopening only Start
    // begins a run, the hidden old grid takes no key
    m_lauf.abbrechen();
    start->show();
    pb->hide();
    pb->freigeben();
}

void Twahr03::startClick()
{
    if (m_lauf.laeuft())
        return;
    pb->show();
    zufall::randomize();
    m_spiel.neuesSpiel();
    folge->clear();
    m_cursor = QPoint(0, 0);
    m_lauf.starte(Alphamix::kBuchstaben);
    start->hide();
    aufbau();
    setFocus();
}

void Twahr03::aufbau()
{
    m_gitter.leer();
    m_gitter.rahmen(m_cursor, farbe::schwarz);
    for (int r = 0; r < Alphamix::kZeilen; ++r)
        for (int c = 0; c < Alphamix::kSpalten; ++c)
            if (const int v = m_spiel.wert({c, r}))
                m_gitter.zeichen({c, r}, QString(QChar(64 + v)), farbe::schwarz);
}

void Twahr03::waehle(QPoint zelle, bool tastatur)
{
    if (!m_lauf.laeuft())
        return;
    if (m_spiel.waehle(zelle))
        folge->setText(m_spiel.folge());
    if (!m_spiel.fertig())
        return;
    const float p = punkte::abschluss(m_spiel.punkte(), m_lauf.sekunden());
    const QString text = tastatur ? punkte::meldungText(p)
                                  : QStringLiteral("Sie haben ") + textformat::punkteText(p, 5)
                                        + QStringLiteral(" Punkte erreicht!");
    m_lauf.beende(this, kProgramm, p, text);
}

bool Twahr03::FormShortCut(int taste, QKeyEvent*)
{
    if (taste == taste::kEsc) {
        close();
        return true;
    }
    if (!m_lauf.laeuft())
        return false;
    if (taste == taste::kEnter) {
        waehle(m_cursor, true);
        return true;
    }
    const auto alt = m_gitter.bewegeRahmen(taste, m_cursor);
    if (!alt)
        return false;
    altx = alt->x();
    alty = alt->y();
    return true;
}

bool Twahr03::eventFilter(QObject* o, QEvent* e)
{
    // the second press of a double click is a press as well
    if (o == pb && (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick)) {
        const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
        schuetze([&] {
            // on a grid line or past the last cell: no cell, no cost
            if (const auto zelle = m_gitter.raster().zelleBei(p))
                waehle(*zelle, false);
        });
        return true;
    }
    return Form::eventFilter(o, e);
}
