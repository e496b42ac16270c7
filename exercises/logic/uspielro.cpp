#include "exercises/logic/uspielro.h"

#include "common/fehler.h"
#include "common/satzdatei.h"
#include "common/zustand.h"
#include "exercises/logic/levelsatz.h"
#include "exercises/shared/fensterteile.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/schriften.h"
#include "platform/tasten.h"
#include "platform/warten.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace robbi;

namespace {
const QString kDatei = QStringLiteral("basrobbi.dat");
constexpr int kSatzgroesse = 201;

const QColor kPaarfarben[] = {farbe::gruen, farbe::rot, farbe::blau, farbe::silber, farbe::fuchsia};
}

Tspielro::Tspielro()
{
    setObjectName(QStringLiteral("Tspielro"));
    setWindowTitle(QStringLiteral("ROBBI"));
    setzeNurSystemmenue();
    setzeFarbe(farbe::buttonFace());
    setzeKeyPreview(true);
    pb = new Malflaeche(this, farbe::buttonFace());
    pb->setObjectName(QStringLiteral("pb"));
    levelzeig = teile::etikett(this, QStringLiteral("levelzeig"), QStringLiteral("Arial"), 24);
    levelzeig->resize(100, levelzeig->height());
    button1 = teile::knopf(this, QStringLiteral("button1"), QStringLiteral("zurück"));
    button1->setFont(schrift::font(QStringLiteral("Arial Narrow"), 19));
    connect(button1, &QPushButton::clicked, this, [this] { close(); });
    setzeMaximiert(true);
}

// When shown: the window has its maximised size only then.
void Tspielro::anordnen()
{
    const int hoehe = height() * 4 / 5;
    pb->resize(hoehe, hoehe);
    pb->move((width() - hoehe) / 2, (height() - hoehe) / 2);
    levelzeig->move(width() * 9 / 10, height() / 10);
    button1->move(width() * 4 / 5, height() * 9 / 10);
    m_u = hoehe / 112;
}

// Once per opening: the message boxes of a run do not load the level again.
void Tspielro::FormActivate()
{
    m_geladen = false;
    m_offen = false;
    anordnen();
    levelzeig->setText(QString::number(levelnr));
    if (!ladeLevel(this, kDatei, kSatzgroesse, Robbibrett::kZellen, [this](const QByteArray& zellen) { m_brett.lade(zellen); }))
        return;
    m_geladen = true;
    m_offen = true;
    aufbau();
    setFocus();
}

void Tspielro::FormClose()
{
    m_offen = false;
    pb->freigeben();
}

void Tspielro::aufbau()
{
    Leinwand& c = pb->canvas();
    const int seite = 112 * m_u;
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.pinselKlar = false;
    c.pinselFarbe = farbe::aqua;
    c.rechteck(0, 0, seite + 1, seite + 1);
    for (int i = 1; i < 14; ++i) {
        c.linie(i * 8 * m_u, 0, i * 8 * m_u, seite);
        c.linie(0, i * 8 * m_u, seite, i * 8 * m_u);
    }
    for (int y = 1; y <= 14; ++y)
        for (int x = 1; x <= 14; ++x)
            if (m_brett.feld(x, y) > 0)
                steinauf(x, y, m_brett.feld(x, y), m_brett.offen(x, y));
    roboter(m_brett.roboter().x(), m_brett.roboter().y());
    pb->update();
}

bool Tspielro::FormShortCut(int taste, QKeyEvent*)
{
    int richtung = 0;
    switch (taste) {
    case taste::kEsc:
        close();  // a failure, nothing shown
        return true;
    case taste::kHoch: richtung = 1; break;
    case taste::kRechts: richtung = 2; break;
    case taste::kRunter: richtung = 3; break;
    case taste::kLinks: richtung = 4; break;
    case taste::kLeer: break;  // never presses the focused "zurück"
    default: return false;
    }
    if (m_offen)
        spiele(richtung ? m_brett.zug(richtung) : m_brett.leertaste());
    return true;
}

// Plays the steps; input is dropped during the pauses, and a board closed
// meanwhile (Esc, close box) stops at once without an outcome of its own.
void Tspielro::spiele(const Robbiantwort& a)
{
    for (const Robbischritt& s : a.schritte) {
        switch (s.art) {
        case Robbischritt::Art::Zelle: steinauf(s.x, s.y, s.code, s.offen); break;
        case Robbischritt::Art::Roboter: roboter(s.x, s.y); break;
        case Robbischritt::Art::Kreuz: kreuz(s.x, s.y); break;
        case Robbischritt::Art::Schuss: schuss(s.x, s.y); break;
        case Robbischritt::Art::Pause:
            pb->update();
            if (!wartenBewacht(this, s.ms, Pauseneingabe::Gesperrt, [this] { return m_offen; }))
                return;
            break;
        }
    }
    pb->update();
    if (a.ausgang != Robbiausgang::Weiter)
        beende(a.ausgang);
}

void Tspielro::beende(Robbiausgang ausgang)
{
    if (!m_offen)
        return;
    m_offen = false;  // one outcome per opening
    switch (ausgang) {
    case Robbiausgang::Ertrunken: dialog::zeige(QStringLiteral("Der Roboter ist ertrunken")); break;
    case Robbiausgang::Getroffen: dialog::zeige(QStringLiteral("Der Roboter ist getroffen!")); break;
    case Robbiausgang::Geschafft:
        dialog::zeige(QStringLiteral("GESCHAFFT!"));
        levelnr += 100;
        break;
    case Robbiausgang::Weiter: return;
    }
    close();
}

// ---- drawing: a cell is 8u square, (x, y) from (x - 1) * 8u

void Tspielro::steinauf(int x, int y, int code, bool offen)
{
    Leinwand& c = pb->canvas();
    const int u = m_u;
    const int x0 = (x - 1) * 8 * u;
    const int y0 = (y - 1) * 8 * u;
    auto px = [&](int a) { return x0 + a * u; };
    auto py = [&](int a) { return y0 + a * u; };
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.pinselKlar = false;
    c.pinselFarbe = farbe::aqua;
    c.rechteck(x0, y0, x0 + 8 * u + 1, y0 + 8 * u + 1);
    auto schraffur = [&] {
        c.pinselFarbe = farbe::weiss;
        c.rechteck(px(1), py(1), px(7), py(7));
        c.stiftFarbe = farbe::silber;
        for (int i = 2; i < 12; i += 2)
            c.linie(px(1) + std::max(0, i - 6) * u, py(1) + std::min(i, 6) * u, px(1) + std::min(i, 6) * u,
                    py(1) + std::max(0, i - 6) * u);
        c.stiftFarbe = farbe::schwarz;
    };
    auto dreieck = [&](int richtung) {
        static const int ecken[5][6] = {{0}, {4, 1, 7, 7, 1, 7}, {7, 4, 1, 1, 1, 7}, {4, 7, 1, 1, 7, 1},
                                        {1, 4, 7, 1, 7, 7}};
        const int* e = ecken[richtung];
        c.pinselFarbe = farbe::gelb;
        c.polygon({{px(e[0]), py(e[1])}, {px(e[2]), py(e[3])}, {px(e[4]), py(e[5])}});
    };
    if (code == kWasser) {
        c.pinselFarbe = farbe::blau;
        c.fuellen(x0 + 1, y0 + 1, px(8), py(8));
    } else if (code == kNiedrig) {
        c.stiftFarbe = farbe::grau;
        c.pinselFarbe = farbe::kastanie;
        c.rechteck(px(2), py(2), px(6), py(6));
    } else if (code == kKiste) {
        c.pinselFarbe = farbe::kastanie;
        c.rechteck(px(1), py(1), px(7), py(7));
        c.stiftFarbe = farbe::gelb;
        c.pinselKlar = true;
        c.ellipse(px(2), py(2), px(6), py(6));
    } else if (code == kHindernis) {
        c.pinselFarbe = farbe::grau;
        c.polygon({{px(4), py(1)}, {px(7), py(4)}, {px(4), py(7)}, {px(1), py(4)}});
    } else if (code == kZiel) {
        c.stiftBreite = std::max(1, u / 2);
        c.linie(px(2), py(2), px(6), py(2));
        c.linie(px(6), py(2), px(2), py(6));
        c.linie(px(2), py(6), px(6), py(6));
    } else if (code == kBohr || (code > kGebohrt && code <= kGebohrt + 4)) {
        // a cross of four arms; a drilled side shows its arm open
        c.pinselFarbe = farbe::gelb;
        c.rechteck(px(3), py(3), px(5), py(5));
        const int arme[5][4] = {{0}, {3, 1, 5, 3}, {5, 3, 7, 5}, {3, 5, 5, 7}, {1, 3, 3, 5}};
        for (int s = 1; s <= 4; ++s) {
            c.pinselKlar = code == kGebohrt + s;
            c.rechteck(px(arme[s][0]), py(arme[s][1]), px(arme[s][2]), py(arme[s][3]));
        }
    } else if (code > kPfeil && code <= kPfeil + 4) {
        static const int pfeile[5][14] = {{0},
                                          {4, 1, 7, 4, 5, 4, 5, 7, 3, 7, 3, 4, 1, 4},
                                          {7, 4, 4, 7, 4, 5, 1, 5, 1, 3, 4, 3, 4, 1},
                                          {4, 7, 1, 4, 3, 4, 3, 1, 5, 1, 5, 4, 7, 4},
                                          {1, 4, 4, 1, 4, 3, 7, 3, 7, 5, 4, 5, 4, 7}};
        const int* p = pfeile[code - kPfeil];
        std::vector<QPoint> punkte;
        for (int i = 0; i < 14; i += 2)
            punkte.push_back({px(p[i]), py(p[i + 1])});
        c.pinselFarbe = farbe::gruen;
        c.polygon(punkte);
    } else if (code > kKachel && code <= kKachel + 5) {
        schraffur();
        c.pinselFarbe = offen ? kPaarfarben[code - kKachel - 1] : farbe::weiss;
        c.ellipse(px(2), py(2), px(6) + 1, py(6) + 1);
    } else if (code == kWackel) {
        c.pinselFarbe = farbe::blau;
        c.ellipse(px(3), py(3), px(5) + 1, py(5) + 1);
    } else if (code == kSpiegelS || code == kSpiegelB) {
        c.pinselFarbe = farbe::schwarz;
        c.rechteck(px(1), py(1), px(7), py(7));
        c.stiftFarbe = farbe::gelb;
        c.stiftBreite = std::max(1, u / 2);
        if (code == kSpiegelS)
            c.linie(px(2), py(6), px(6), py(2));
        else
            c.linie(px(2), py(2), px(6), py(6));
    } else if (code > kGleiter && code <= kWeiss) {
        schraffur();
        c.pinselFarbe = code == kWeiss ? farbe::weiss : kPaarfarben[code - kGleiter - 1];
        c.rechteck(px(2), py(2), px(6), py(6));
    } else if (code > kSchuetze && code <= kSchuetze + 4) {
        dreieck(code - kSchuetze);
    } else if (code > kFest && code <= kFest + 4) {
        dreieck(code - kFest);
        c.stiftFarbe = farbe::grau;
        c.pinselFarbe = farbe::kastanie;
        c.ellipse(px(3), py(3), px(5) + 1, py(5) + 1);
    }
}

void Tspielro::roboter(int x, int y)
{
    Leinwand& c = pb->canvas();
    const int e = 8 * m_u;
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.pinselKlar = false;
    c.pinselFarbe = farbe::gelb;
    c.ellipse((x - 1) * e + m_u, (y - 1) * e + m_u, x * e - m_u + 1, y * e - m_u + 1);
}

void Tspielro::kreuz(int x, int y)
{
    Leinwand& c = pb->canvas();
    const int e = 8 * m_u;
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = std::max(1, m_u / 2);
    c.linie((x - 1) * e + 2 * m_u, (y - 1) * e + 2 * m_u, x * e - 2 * m_u, y * e - 2 * m_u);
    c.linie((x - 1) * e + 2 * m_u, y * e - 2 * m_u, x * e - 2 * m_u, (y - 1) * e + 2 * m_u);
    c.stiftBreite = 1;
}

void Tspielro::schuss(int x, int y)
{
    Leinwand& c = pb->canvas();
    const int e = 8 * m_u;
    c.stiftFarbe = farbe::rot;
    c.stiftBreite = 1;
    c.pinselKlar = false;
    c.pinselFarbe = farbe::rot;
    c.ellipse((x - 1) * e + 3 * m_u, (y - 1) * e + 3 * m_u, x * e - 3 * m_u + 1, y * e - 3 * m_u + 1);
}
