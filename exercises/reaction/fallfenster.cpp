#include "exercises/reaction/fallfenster.h"

#include "common/punkte.h"
#include "common/textformat.h"
#include "common/zufall.h"
#include "common/zustand.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "platform/schriften.h"
#include "platform/tasten.h"
#include "shell/uebungsrahmen.h"

#include <QPainter>
#include <algorithm>

namespace {
constexpr int kSpalten = 11;  // board image: walls and field
constexpr int kZeilen = 15;

int stelle(int x, int y) { return x * kZeilen + y; }
}

Fallfenster::Fallfenster(Fallart art, std::unique_ptr<Fallspiel> spiel)
    : m_art(std::move(art)), m_spiel(std::move(spiel))
{
    setWindowTitle(m_art.titel);
    setzeMaximiert(true);
    setzeFarbe(farbe::buttonFace());
    setzeKeyPreview(true);

    start = new QPushButton(QStringLiteral("Start"), this);
    start->setObjectName(QStringLiteral("start"));
    start->setFont(schrift::font(QStringLiteral("Arial"), 19));
    start->adjustSize();
    start->resize(start->width() + 40, start->height() + 10);  // a button of the usual proportions
    pb = new Malflaeche(this, farbe::buttonFace());
    pb->setObjectName(QStringLiteral("pb"));
    pb->hide();
    zaehler = new QLabel(this);
    zaehler->setObjectName(m_art.zaehlerName);
    label2 = new QLabel(this);
    label2->setObjectName(QStringLiteral("label2"));
    for (QLabel* l : {zaehler, label2})
        l->setFont(schrift::font(QStringLiteral("Arial"), 16));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(Fallspiel::kStartintervall);

    connect(start, &QPushButton::clicked, this, [this] { schuetze([this] { startClick(); }); });
    connect(Timer1, &QTimer::timeout, this, [this] { schuetze([this] { Timer1Timer(); }); });
    anordnen();
}

void Fallfenster::anordnen()
{
    // The board is a square of 4/5 of the screen's height; a cell is an eleventh
    // of it wide and a fifteenth high.
    const int breite = width();
    const int hoehe = height();
    const int seite = hoehe * 4 / 5;
    pb->setGeometry((breite - seite) / 2, (hoehe - seite) / 10, seite, seite);
    m_w = std::max(1, seite / kSpalten);
    m_h = std::max(1, seite / kZeilen);
    start->move((breite - start->width()) / 2, (hoehe - start->height()) / 2);
    zaehler->move(breite * 3 / 10, hoehe * 17 / 20);
    label2->move(breite * 6 / 10, hoehe * 17 / 20);
}

void Fallfenster::FormShow() { anordnen(); }

void Fallfenster::FormActivate()
{
    m_spiel->zuruecksetzen();
    m_farben.assign(1, farbe::buttonFace());
    m_farben.insert(m_farben.end(), m_art.farben.begin(), m_art.farben.end());
    beschriften();
    pb->hide();
    m_laeuft = false;
}

void Fallfenster::FormClose()
{
    start->show();
    Timer1->stop();
    m_laeuft = false;
    pb->freigeben();
}

void Fallfenster::startClick()
{
    pb->show();
    zufall::randomize();
    m_spiel->neuesSpiel();
    start->hide();

    Leinwand& c = pb->canvas();
    c.stiftBreite = 0;
    c.pinselKlar = false;
    c.pinselFarbe = farbe::buttonFace();
    c.fuellen(0, 0, kSpalten * m_w, kZeilen * m_h);
    c.stiftBreite = 1;
    c.stiftFarbe = farbe::schwarz;
    c.pinselFarbe = farbe::blau;
    for (int y = 0; y < kZeilen; ++y)
        for (int x = 0; x < kSpalten; ++x)
            if (x == 0 || x == kSpalten - 1 || y == kZeilen - 1)
                c.rechteck(x * m_w, y * m_h, (x + 1) * m_w, (y + 1) * m_h);
    m_gemalt.fill(0);
    pb->update();
    malen();  // the obstacles, where a game has them

    m_laeuft = true;
    Timer1->setInterval(m_spiel->intervall);
    Timer1->start();
}

void Fallfenster::Timer1Timer()
{
    if (!m_laeuft || m_imTakt)
        return;
    // The end's message box runs an event loop: no tick may start inside this one.
    struct Sperre {
        bool& b;
        explicit Sperre(bool& f) : b(f) { b = true; }
        ~Sperre() { b = false; }
    } sperre(m_imTakt);
    const bool warEnde = m_spiel->ende;
    m_spiel->takt();
    if (m_spiel->ende && (warEnde || !m_art.endeImFolgetakt)) {
        beenden();
        return;
    }
    malen();
    beschriften();
    if (Timer1->interval() != m_spiel->intervall)
        Timer1->setInterval(m_spiel->intervall);
}

bool Fallfenster::FormShortCut(int taste, QKeyEvent*)
{
    if (taste == taste::kEsc) {
        close();  // nothing is recorded
        return true;
    }
    if (taste < taste::kLinks || taste > taste::kRunter || !m_laeuft)
        return false;
    if (m_imTakt)
        return true;
    switch (taste) {
    case taste::kLinks: m_spiel->links(); break;
    case taste::kRechts: m_spiel->rechts(); break;
    case taste::kHoch: m_spiel->hoch(); break;
    default: m_spiel->runter(); break;
    }
    malen();
    beschriften();
    return true;
}

void Fallfenster::malen()
{
    // One painter for all changed cells, and one repaint around them: a
    // clearing tick may change a hundred cells.
    QImage* bild = pb->canvas().bild();
    if (!bild || bild->isNull())
        return;
    QPainter p(bild);
    const QColor rand = m_farben.front();
    QRect geaendert;
    for (int x = Fallbrett::kLinks; x <= Fallbrett::kRechts; ++x)
        for (int y = m_art.ersteZeile; y <= Fallbrett::kUnten; ++y) {
            const int w = m_spiel->anzeige(x, y);
            int& gemalt = m_gemalt[stelle(x, y)];
            if (w == gemalt)
                continue;
            gemalt = w;
            const bool bekannt = w >= 0 && w < static_cast<int>(m_farben.size());
            const QRect r(x * m_w, y * m_h, m_w, m_h);
            p.fillRect(r, rand);
            p.fillRect(r.adjusted(1, 1, -1, -1), bekannt ? m_farben[w] : rand);
            geaendert |= r;
        }
    if (!geaendert.isEmpty())
        pb->update(geaendert);
}

void Fallfenster::beschriften()
{
    zaehler->setText(m_art.zaehlerText + QString::number(m_spiel->geloescht));
    label2->setText(QStringLiteral("Punkte: ") + textformat::ganzzahlText(m_spiel->punkte));
    zaehler->adjustSize();
    label2->adjustSize();
}

void Fallfenster::beenden()
{
    Timer1->stop();
    m_laeuft = false;
    malen();
    const float p = m_spiel->punkte;
    if (m_art.meldefenster) {
        uebungsende(m_art.programm, punkte::zweiDezimalen(std::max(p, punkte::kMindestens)), {});
    } else {
        dialog::zeige(punkte::meldungText(p));
        laufEintragen(m_art.programm, p);
    }
    close();
}
