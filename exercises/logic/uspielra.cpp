#include "exercises/logic/uspielra.h"

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

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

using namespace rangier;

namespace {
const QString kDatei = QStringLiteral("rangieau.dat");
constexpr int kSatzgroesse = 105;

struct Knopfzeile {
    const char* name;
    const char* text;
    int befehl;
    int taste;
};
// Panel1 steers, Panel2 acts.
const Knopfzeile kKnoepfe[] = {
    {"Button2", "vorne", Vorne, taste::kHoch},      {"Button3", "hinten", Hinten, taste::kRunter},
    {"Button4", "rechts", Rechts, taste::kRechts},  {"Button5", "links", Links, taste::kLinks},
    {"Button6", "(n)ehmen", Nehmen, 'N'},           {"Button7", "(l)egen", Legen, 'L'},
    {"Button8", "(s)chießen", Schiessen, 'S'},      {"Button9", "(b)ohren", Bohren, 'B'},
};

QString meldetext(int fehler)
{
    return fehler == Rangierbrett::Ertrunken ? QStringLiteral("Robbi ist ertrunken, ")
                                             : QStringLiteral("Ein Querschläger tötet Robbi, ");
}

// A rectangle of the figure facing up, in eighths of a cell, turned to the heading.
QRect gedreht(QRect r, int richtung)
{
    QPoint a = r.topLeft();
    QPoint b = r.bottomRight() + QPoint(1, 1);
    for (int i = 1; i < richtung; ++i) {
        a = QPoint(8 - a.y(), a.x());
        b = QPoint(8 - b.y(), b.x());
    }
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()) - 1, std::max(a.y(), b.y()) - 1));
}
}

Tspielra::Tspielra()
{
    setObjectName(QStringLiteral("Tspielra"));
    setWindowTitle(QStringLiteral("Rangieren"));
    setzeNurSystemmenue();
    setzeFarbe(farbe::buttonFace());
    setzeKeyPreview(true);
    pb = new Malflaeche(this, farbe::buttonFace());
    pb->setObjectName(QStringLiteral("pb"));
    Panel1 = new QFrame(this);
    Panel2 = new QFrame(this);
    int zeile = 0;
    for (const Knopfzeile& k : kKnoepfe) {
        QFrame* panel = zeile < 4 ? Panel1 : Panel2;
        QPushButton* b = teile::knopf(panel, QString::fromLatin1(k.name), QString::fromUtf8(k.text));
        b->setGeometry(10, 10 + (zeile % 4) * 50, 160, 41);
        const int befehl = k.befehl;
        connect(b, &QPushButton::clicked, this, [this, befehl] { steuer(befehl); });
        ++zeile;
    }
    for (QFrame* p : {Panel1, Panel2}) {
        p->setObjectName(p == Panel1 ? QStringLiteral("Panel1") : QStringLiteral("Panel2"));
        p->setFrameShape(QFrame::Panel);
        p->setFrameShadow(QFrame::Raised);
        p->resize(180, 210);
    }
    energie = teile::etikett(this, QStringLiteral("energie"), QStringLiteral("Arial"), 19);
    levelzeig = teile::etikett(this, QStringLiteral("levelzeig"), QStringLiteral("Arial"), 19);
    for (QLabel* l : {energie, levelzeig}) {
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        l->resize(180, l->height());
    }
    Button1 = teile::knopf(this, QStringLiteral("Button1"), QStringLiteral("zurück"));
    connect(Button1, &QPushButton::clicked, this, [this] {
        energie->hide();
        close();
    });
    setzeMaximiert(true);
}

// When shown: the window has its maximised size only then.
void Tspielra::anordnen()
{
    const int w = width();
    const int h = height();
    Panel1->move(20, h / 10);
    Panel2->move(w - Panel2->width() - 20, h / 10);
    Button1->move(w - Button1->width() - 40, 17 * h / 20);
    energie->move(20, Panel1->geometry().bottom() + 1 + 20);
    levelzeig->move(Panel2->x(), energie->y());
    pb->setGeometry((w - w / 2) / 2, h / 20, w / 2, w / 2);
    m_e = w / 2 / 10;
}

// Once per opening: the message boxes of a run do not load the level again.
void Tspielra::FormActivate()
{
    m_geladen = false;
    m_offen = false;
    m_laeuft = false;
    anordnen();
    pb->loeschen(farbe::buttonFace());
    levelzeig->setText(QStringLiteral("Level: ") + QString::number(levelnr));
    // "zurück" hid it in an earlier opening
    energie->setText(QStringLiteral("Energie: ") + QString::number(kEnergie));
    energie->show();
    if (!ladeLevel(this, kDatei, kSatzgroesse, Rangierbrett::kZellen, [this](const QByteArray& zellen) { m_brett.lade(zellen); }))
        return;
    m_geladen = true;
    m_offen = true;
    spielaufbau();
    setFocus();
}

void Tspielra::FormClose()
{
    m_offen = false;
    pb->freigeben();
}

void Tspielra::spielaufbau()
{
    for (int y = 1; y <= 10; ++y)
        for (int x = 1; x <= 10; ++x)
            zelle(x, y, m_brett.feld(x, y));
    pb->update();
}

bool Tspielra::FormShortCut(int t, QKeyEvent*)
{
    for (const Knopfzeile& k : kKnoepfe)
        if (k.taste == t) {
            steuer(k.befehl);
            return true;
        }
    return false;
}

// One command; input while it plays (the shot's pauses) is ignored, and each
// opening has one outcome.
void Tspielra::steuer(int befehl)
{
    if (!m_offen || m_laeuft)
        return;
    m_laeuft = true;
    const Rangierantwort a = m_brett.befehl(befehl);
    const bool weiter = spiele(a);
    m_laeuft = false;
    if (!weiter)
        return;
    if (!a.absage.isEmpty()) {
        dialog::zeige(a.absage);
        QApplication::beep();
    }
    Button1->setFocus();
    energie->setText(QStringLiteral("Energie: ") + QString::number(m_brett.energie()));
    bool zu = false;
    if (m_brett.energie() < 1) {
        dialog::zeige(QStringLiteral("Die Energie ist alle!"));
        zu = true;
    }
    if (m_brett.fehler() != Rangierbrett::KeinFehler) {
        dialog::zeige(meldetext(m_brett.fehler()));
        zu = true;
    }
    if (m_brett.ziel()) {
        levelnr += 100;
        dialog::zeige(QStringLiteral("GESCHAFFT!"));
        zu = true;
    }
    if (zu) {
        m_offen = false;
        close();
    }
}

// Plays the steps; a board closed during a pause stops at once.
bool Tspielra::spiele(const Rangierantwort& a)
{
    for (const Rangierschritt& s : a.schritte) {
        switch (s.art) {
        case Rangierschritt::Art::Zelle: zelle(s.x, s.y, s.code); break;
        case Rangierschritt::Art::Schuss: schuss(s.x, s.y); break;
        case Rangierschritt::Art::Pause:
            pb->update();
            if (!wartenBewacht(this, s.ms, Pauseneingabe::Gesperrt, [this] { return m_offen; }))
                return false;
            break;
        }
    }
    pb->update();
    return true;
}

// ---- drawing: a cell is e square, in eighths u; the robot and a carried box over it

void Tspielra::zelle(int x, int y, int code)
{
    Leinwand& c = pb->canvas();
    const int e = m_e;
    const int x0 = (x - 1) * e;
    const int y0 = (y - 1) * e;
    auto px = [&](int a) { return x0 + a * e / 8; };
    auto py = [&](int a) { return y0 + a * e / 8; };
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.pinselKlar = false;
    c.pinselFarbe = farbe::grau;
    c.rechteck(x0, y0, x0 + e + 1, y0 + e + 1);
    const int dick = std::max(1, e / 24);
    switch (code) {
    case kWasser:
        c.pinselFarbe = farbe::blau;
        c.fuellen(x0 + 1, y0 + 1, x0 + e, y0 + e);
        break;
    case kBall:
        c.pinselFarbe = farbe::gruen;
        c.ellipse(px(1), py(1), px(7) + 1, py(7) + 1);
        break;
    case kKiste:
        c.pinselFarbe = farbe::kastanie;
        c.rechteck(px(1), py(1), px(7), py(7));
        c.stiftFarbe = farbe::gelb;
        c.stiftBreite = dick;
        c.linie(px(2), py(2), px(6), py(6));
        c.linie(px(2), py(6), px(6), py(2));
        break;
    case kHindernis:
        c.pinselFarbe = farbe::kastanie;
        c.polygon({{px(4), py(0) + 1}, {px(8) - 1, py(4)}, {px(4), py(8) - 1}, {px(0) + 1, py(4)}});
        c.stiftFarbe = farbe::gelb;
        for (int i = 3; i <= 5; ++i)
            c.linie(px(8 - i), py(i) - e / 16, px(i), py(i) - e / 16);
        break;
    case kZiel:
        c.stiftBreite = std::max(1, e / 12);
        c.linie(px(2), py(2), px(6), py(2));
        c.linie(px(6), py(2), px(2), py(6));
        c.linie(px(2), py(6), px(6), py(6));
        break;
    case kBohr: {
        // an opened side shows its arm as an outline
        const int marken = m_brett.marken(x, y);
        c.pinselFarbe = farbe::lime;
        c.rechteck(px(3), py(3), px(5), py(5));
        static const int arme[5][4] = {{0}, {3, 1, 5, 3}, {5, 3, 7, 5}, {3, 5, 5, 7}, {1, 3, 3, 5}};
        for (int r = 1; r <= 4; ++r) {
            // drilled heading r opens the side facing the robot
            const int seite = (r + 1) % 4 + 1;
            c.pinselKlar = marken & (1 << (r - 1));
            c.rechteck(px(arme[seite][0]), py(arme[seite][1]), px(arme[seite][2]), py(arme[seite][3]));
        }
        c.pinselKlar = false;
        break;
    }
    case kPfeil + 1: case kPfeil + 2: case kPfeil + 3: case kPfeil + 4: {
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
        break;
    }
    case kPaket:
        c.pinselFarbe = farbe::schwarz;
        c.rechteck(px(3), py(3), px(5), py(5));
        break;
    case kAblage: case kAbgelegt:
        c.pinselFarbe = farbe::silber;
        c.rechteck(px(1), py(1), px(7), py(7));
        c.linie(px(1), py(1), px(7) - 1, py(7) - 1);
        c.linie(px(1), py(7) - 1, px(7) - 1, py(1));
        if (code == kAbgelegt) {
            c.pinselFarbe = farbe::schwarz;
            c.rechteck(px(3), py(3), px(5), py(5));
        }
        break;
    case kSperre:
        // one line less for each parcel laid
        c.stiftBreite = dick;
        for (int i = m_brett.gelegt(); i < 4; ++i)
            c.linie(px(1), py(2 + i * 4 / 3), px(7), py(2 + i * 4 / 3));
        break;
    case kInsel:
        c.stiftFarbe = farbe::blau;
        c.stiftBreite = std::max(2, e / 12);
        c.pinselFarbe = farbe::silber;
        c.rechteck(px(1), py(1), px(7), py(7));
        break;
    case kWackel:
        c.stiftFarbe = farbe::blau;
        c.pinselFarbe = farbe::blau;
        for (const QPoint m : {QPoint(2, 2), QPoint(6, 2), QPoint(4, 4), QPoint(2, 6), QPoint(6, 6)})
            c.ellipse(px(m.x()) - e / 16, py(m.y()) - e / 16, px(m.x()) + e / 16 + 1, py(m.y()) + e / 16 + 1);
        break;
    default: break;
    }
    c.stiftBreite = 1;
    c.stiftFarbe = farbe::schwarz;
    const QPoint p(x, y);
    if (m_brett.kiste() && p == m_brett.kistenort()) {
        c.pinselFarbe = farbe::kastanie;
        c.rechteck(px(1), py(1), px(7), py(7));
        c.stiftFarbe = farbe::gelb;
        c.stiftBreite = dick;
        c.linie(px(2), py(2), px(6), py(6));
        c.linie(px(2), py(6), px(6), py(2));
        c.stiftBreite = 1;
    }
    if (p == m_brett.roboter())
        roboter();
}

void Tspielra::roboter()
{
    Leinwand& c = pb->canvas();
    const int e = m_e;
    const QPoint r = m_brett.roboter();
    const int h = m_brett.richtung();
    auto teil = [&](QRect q) {
        const QRect g = gedreht(q, h);
        const int x0 = (r.x() - 1) * e;
        const int y0 = (r.y() - 1) * e;
        c.rechteck(x0 + g.left() * e / 8, y0 + g.top() * e / 8, x0 + (g.right() + 1) * e / 8,
                   y0 + (g.bottom() + 1) * e / 8);
    };
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.pinselKlar = false;
    c.pinselFarbe = farbe::gelb;
    teil(QRect(QPoint(2, 3), QPoint(5, 6)));  // body
    teil(QRect(QPoint(3, 1), QPoint(4, 2)));  // head, towards the heading
    if (m_brett.kiste()) {
        // two arms reaching to the box
        for (int arm : {1, 6})
            teil(QRect(QPoint(arm, 0), QPoint(arm, 2)));
    }
    if (m_brett.paket()) {
        c.pinselFarbe = farbe::schwarz;
        teil(QRect(QPoint(3, 4), QPoint(4, 5)));
    }
}

void Tspielra::schuss(int x, int y)
{
    Leinwand& c = pb->canvas();
    const int e = m_e;
    c.stiftFarbe = farbe::rot;
    c.stiftBreite = 1;
    c.pinselKlar = false;
    c.pinselFarbe = farbe::rot;
    c.ellipse((x - 1) * e + 3 * e / 8, (y - 1) * e + 3 * e / 8, x * e - 3 * e / 8 + 1, y * e - 3 * e / 8 + 1);
}
