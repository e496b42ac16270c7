#include "exercises/reaction/urea09.h"

#include "common/punkte.h"
#include "common/uhr.h"
#include "common/zufall.h"
#include "exercises/shared/fensterteile.h"
#include "exercises/shared/symboltabelle.h"
#include "platform/anwendung.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/schriften.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace {
QString buchstabe(int n) { return QString(QChar(u'A' + n - 1)); }
QString symbol(int n) { return QString(Symboltabelle(n).zeichen); }
QFont courier(int hoehe) { return schrift::font(QStringLiteral("Courier New"), hoehe); }
}

const std::vector<Kreuzart>& Trea09::mitglieder()
{
    static const std::vector<Kreuzart> t{
        {68, QStringLiteral("Trea09"), 26, buchstabe, courier},
        {69, QStringLiteral("Trea10"), kSymbole, symbol, symbolschrift},
    };
    return t;
}

Trea09::Trea09(const Kreuzart& art) : m_art(art)
{
    setObjectName(art.klasse);
    setWindowTitle(QStringLiteral("Reaktion"));
    setzeNurSystemmenue();
    setzeFarbe(farbe::buttonFace());
    setzeKeyPreview(true);

    start = teile::knopf(this, QStringLiteral("start"), QStringLiteral("Start"));
    connect(start, &QPushButton::clicked, this, [this] { schuetze([this] { startClick(); }); });
    pb = new Malflaeche(this, farbe::buttonFace());
    pb->setObjectName(QStringLiteral("pb"));
    pb->hide();
    weiter = teile::knopf(this, QStringLiteral("weiter"), QStringLiteral("weiter"));
    weiter->hide();
    connect(weiter, &QPushButton::clicked, this, [this] { schuetze([this] { weiterClick(); }); });
    rifa = teile::etikett(this, QStringLiteral("rifa"), QStringLiteral("Arial"), 64);
    aufzahl = teile::etikett(this, QStringLiteral("aufzahl"), QStringLiteral("Arial"), 19);
    aufzahl->hide();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, [this] { schuetze([this] { Timer1Timer(); }); });
    setzeMaximiert(true);
    anordnen();
}

void Trea09::anordnen()
{
    const QSize aussen = aussenmass();
    const int wf = aussen.width();
    const int hf = aussen.height();
    const int seite = hf * 13 / 20;
    pb->resize(seite, seite);
    teile::mittig(pb, hf / 20);
    m_feld.messe(seite, seite);
    start->move((width() - start->width()) / 2, (height() - start->height()) / 2);
    weiter->move((wf - weiter->width()) * 5 / 6, hf * 4 / 5);
    rifa->resize(wf / 2, rifa->height());
    teile::mittig(rifa, hf * 15 / 20);
    aufzahl->resize(160, aufzahl->height());
    aufzahl->move((wf - aufzahl->width()) * 11 / 12, 10);
}

void Trea09::FormShow() { anordnen(); }

// Once per show: the message window at the end does not reset anything.
void Trea09::FormActivate()
{
    m_stand = Stand::Aus;
    pb->hide();
}

void Trea09::FormClose()
{
    Timer1->stop();
    m_lauf.abbrechen();  // the close box records nothing
    m_stand = Stand::Aus;
    start->show();
    aufzahl->hide();
    weiter->hide();
    rifa->clear();
    pb->hide();
    pb->freigeben();
}

void Trea09::startClick()
{
    if (m_stand != Stand::Aus)
        return;
    pb->show();
    zufall::randomize();
    m_lauf.starte(kreuz::kAufgaben);
    start->hide();
    m_zaehler = 1;
    aufzahl->setText(QStringLiteral("1/ %1").arg(kreuz::kAufgaben));
    aufzahl->show();
    neueAufgabe();
    setFocus();
}

void Trea09::neueAufgabe()
{
    m_aufgabe = Kreuzaufgabe::neu(m_art.vorrat);
    aufbau();
    m_stand = Stand::Wartet;
    Timer1->setInterval(kreuz::wartezeit());
    Timer1->start();
}

void Trea09::aufbau()
{
    const int w = m_feld.w(), h = m_feld.h();
    Leinwand& l = pb->canvas();
    l.stiftBreite = 0;
    l.pinselKlar = false;
    l.pinselFarbe = farbe::lime;
    l.fuellen(0, 0, 5 * w, 5 * h);
    l.pinselFarbe = farbe::blau;
    for (const int x : {0, 3})
        for (const int y : {0, 3})
            l.fuellen(x * w, y * h, (x + 2) * w, (y + 2) * h);
    m_feld.gitter(l);
    for (int d = 1; d <= 4; ++d)
        schreibe(kreuz::ende(d), m_aufgabe.zeichen[d - 1]);
    pb->update();
}

void Trea09::schreibe(QPoint zelle, int n)
{
    Leinwand& l = pb->canvas();
    l.schrift = m_art.schrift(m_feld.schrifthoehe());
    l.schriftFarbe = farbe::schwarz;
    m_feld.schreibe(l, zelle, m_feld.linksDrittel(), m_art.zeichen(n));
}

void Trea09::Timer1Timer()
{
    Timer1->stop();
    // a stray tick neither draws the sign again nor moves its time
    if (m_stand != Stand::Wartet)
        return;
    schreibe(kreuz::kMitte, m_aufgabe.gefragt());
    // on screen before its time is taken, or every reaction grows by a frame
    pb->repaint(m_feld.zelle(kreuz::kMitte.x(), kreuz::kMitte.y()));
    m_erschienen = uhr::sekunden();
    m_stand = Stand::Scharf;
}

// Only the arrows count, and only while the sign shows unanswered; the other
// keys go on to the controls (Enter and Space press "weiter").
bool Trea09::FormShortCut(int taste, QKeyEvent*)
{
    const int d = kreuz::richtung(taste);
    if (m_stand == Stand::Aus || d == 0)
        return false;
    if (m_stand != Stand::Scharf)
        return true;
    // the monotonic clock: an answer across midnight scores like any other
    const double sekunden = uhr::sekunden() - m_erschienen;
    m_stand = Stand::Beantwortet;
    const QString gefragt = m_art.zeichen(m_aufgabe.gefragt());
    m_feld.loesche(pb->canvas(), kreuz::kMitte, m_feld.linksDrittel(), gefragt, farbe::lime);
    schreibe(kreuz::nachbar(d), m_aufgabe.gefragt());
    pb->update();
    if (d == m_aufgabe.k) {
        rifa->setText(QStringLiteral("RICHTIG"));
        m_lauf.punkte += kreuz::punkte(sekunden);
    } else {
        rifa->setText(QStringLiteral("FEHLER"));
    }
    weiter->show();
    weiter->setFocus();
    return true;
}

void Trea09::weiterClick()
{
    if (m_stand != Stand::Beantwortet)
        return;
    ++m_zaehler;
    aufzahl->setText(QStringLiteral("%1/ %2").arg(m_zaehler).arg(kreuz::kAufgaben));
    rifa->clear();
    weiter->hide();
    if (m_zaehler <= kreuz::kAufgaben) {
        setFocus();
        neueAufgabe();
        return;
    }
    aufzahl->hide();
    m_zaehler = 0;
    m_stand = Stand::Aus;
    m_lauf.beende(this, m_art.programm, punkte::zweiDezimalen(std::max(m_lauf.punkte, punkte::kMindestens)));
}
