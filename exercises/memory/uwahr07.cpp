#include "exercises/memory/uwahr07.h"

#include "common/punkte.h"
#include "common/zufall.h"
#include "exercises/shared/fensterteile.h"
#include "platform/anwendung.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/schriften.h"
#include "platform/tasten.h"

#include <QLabel>
#include <QPushButton>

Twahr07::Twahr07() : m_gitter(nullptr)
{
    setObjectName(QStringLiteral("Twahr07"));
    setWindowTitle(QStringLiteral("Vergleiche"));
    setzeNurSystemmenue();
    setzeFarbe(farbe::buttonFace());
    setzeKeyPreview(true);

    start = teile::knopf(this, QStringLiteral("start"), QStringLiteral("Start"));
    start->move(0, 16);
    connect(start, &QPushButton::clicked, this, [this] { schuetze([this] { startClick(); }); });
    pb = new Malflaeche(this, farbe::buttonFace());
    pb->setObjectName(QStringLiteral("pb"));
    pb->hide();
    m_gitter = Achterraster(pb);
    folge = teile::etikett(this, QStringLiteral("folge"), QStringLiteral("Arial"), 32);
    weiter = teile::knopf(this, QStringLiteral("weiter"), QStringLiteral("weiter"));
    weiter->setFont(schrift::font(QStringLiteral("Arial"), 16));
    weiter->hide();
    connect(weiter, &QPushButton::clicked, this, [this] { schuetze([this] { weiterClick(); }); });
    aufzahl = teile::etikett(this, QStringLiteral("aufzahl"), QStringLiteral("Arial"), 21);
    aufzahl->resize(120, aufzahl->height());
    setzeMaximiert(true);
    FormShow();
}

// From the outer size the window has maximised (on the first showing too).
void Twahr07::FormShow()
{
    const QSize aussen = aussenmass();
    m_gitter.anordnen(aussen, width(), start, folge);
    weiter->move(aussen.width() * 8 / 10, aussen.height() * 7 / 8);
    aufzahl->move((width() - aufzahl->width()) * 11 / 12, aussen.height() / 20);
}

// Once per show: the message window at the end does not set the run back.
void Twahr07::FormActivate()
{
    m_spiel.zeigen();
    folge->clear();
    weiter->hide();
    pb->hide();
    zaehler();
}

void Twahr07::FormClose()
{
    // Esc and the close box record nothing; after a reopening only Start
    // begins a run, and the hidden old task takes no answer
    m_lauf.abbrechen();
    start->show();
    weiter->hide();
    pb->hide();
    pb->freigeben();
}

void Twahr07::zaehler()
{
    aufzahl->setText(QString::number(m_spiel.index() + 1) + QStringLiteral("/ ")
                     + QString::number(Vergleichsspiel::kAufgaben));
}

void Twahr07::startClick()
{
    if (m_lauf.laeuft())
        return;
    pb->show();
    zufall::randomize();
    m_spiel.neuerLauf();
    m_lauf.starte(Vergleichsspiel::kAufgaben);
    aufbau();
    setFocus();
}

void Twahr07::aufbau()
{
    start->hide();
    m_gitter.leer(false);
    const int x = Vergleichsaufgabe::kHalbe * m_gitter.raster().cw();
    Leinwand& c = pb->canvas();
    c.stiftFarbe = farbe::schwarz;
    c.linie(x, 0, x, Vergleichsaufgabe::kZeilen * m_gitter.raster().ch() - 1);
    const Vergleichsaufgabe& a = m_spiel.aufgabe();
    for (int r = 0; r < Vergleichsaufgabe::kZeilen; ++r)
        for (int s = 0; s < Vergleichsaufgabe::kSpalten; ++s)
            if (const int v = a.wert({s, r}))
                m_gitter.zeichen({s, r}, kVergleichsSymbole.mid(v - 1, 1), farbe::schwarz);
    pb->update();
}

void Twahr07::weiterClick()
{
    if (!m_lauf.laeuft() || m_spiel.offen())
        return;
    folge->clear();
    weiter->hide();
    if (m_spiel.weiterAufgabe()) {
        zaehler();
        zufall::randomize();
        m_spiel.neueAufgabe();
        aufbau();
        setFocus();
        return;
    }
    m_lauf.beende(this, kProgramm, punkte::abschluss(m_spiel.punkte(), m_lauf.sekunden()));
}

bool Twahr07::FormShortCut(int taste, QKeyEvent*)
{
    if (taste == taste::kEsc) {
        close();
        return true;
    }
    const std::optional<bool> gleich = vergleich::antwort(taste);
    if (!gleich || !m_lauf.laeuft())
        return false;
    // only while the task is open: a second answer changes nothing
    const std::optional<bool> richtig = m_spiel.antworte(*gleich);
    if (!richtig)
        return true;
    folge->setText(*richtig ? QStringLiteral("RICHTIG!") : QStringLiteral("Fehler!"));
    weiter->show();
    weiter->setFocus();
    return true;
}
