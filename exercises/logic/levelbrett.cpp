#include "exercises/logic/levelbrett.h"

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

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr int kSatzgroesse = 101;
}

Levelbrett::Levelbrett(const QString& klasse, const QString& titel, const QString& datei) : m_datei(datei)
{
    setObjectName(klasse);
    setWindowTitle(titel);
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
void Levelbrett::anordnen()
{
    const int hoehe = height() * 4 / 5;
    pb->resize(hoehe, hoehe);
    pb->move((width() - hoehe) / 2, height() / 20);
    levelzeig->move(width() * 9 / 10, height() / 10);
    button1->move(width() * 17 / 20, height() * 9 / 10);
    m_u = hoehe / 100;
}

// Once per opening: the success message does not load the level again.
void Levelbrett::FormActivate()
{
    m_geladen = false;
    m_offen = false;
    anordnen();
    levelzeig->setText(QString::number(levelnr));
    if (!ladeLevel(this, m_datei, kSatzgroesse, 100, [this](const QByteArray& zellen) { lade(zellen); }))
        return;
    m_geladen = true;
    m_offen = true;
    aufbau();
    setFocus();
}

void Levelbrett::FormClose()
{
    m_offen = false;
    pb->freigeben();
}

void Levelbrett::aufbau()
{
    Leinwand& c = pb->canvas();
    const int seite = 100 * m_u;
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.pinselKlar = false;
    c.pinselFarbe = farbe::silber;
    c.rechteck(0, 0, seite + 1, seite + 1);
    for (int i = 1; i < 10; ++i) {
        c.linie(i * 10 * m_u, 0, i * 10 * m_u, seite);
        c.linie(0, i * 10 * m_u, seite, i * 10 * m_u);
    }
    for (int y = 1; y <= 10; ++y)
        for (int x = 1; x <= 10; ++x)
            zelle(x, y);
    roboter();
    pb->update();
}

void Levelbrett::zeichne(const std::vector<QPoint>& zellen)
{
    for (const QPoint& p : zellen)
        zelle(p.x(), p.y());
    roboter();
    pb->update();
}

bool Levelbrett::FormShortCut(int t, QKeyEvent*)
{
    int richtung = 0;
    switch (t) {
    case taste::kEsc:
        close();  // a failure, nothing shown
        return true;
    case taste::kHoch: richtung = 1; break;
    case taste::kRechts: richtung = 2; break;
    case taste::kRunter: richtung = 3; break;
    case taste::kLinks: richtung = 4; break;
    default: {
        // Enter and Space are the board's, never the focused "zurück"'s
        const bool genommen = sondertaste(t);
        // every key checks, also one the board does not use: a level without
        // targets (or with one peg) is won by the first key
        const bool warOffen = m_offen;
        pruefe(QStringLiteral("GESCHAFFT!!"));
        return genommen || (warOffen && !m_offen);
    }
    }
    if (m_offen) {
        pfeil(richtung);
        pruefe(QStringLiteral("GESCHAFFT!!"));
    }
    return true;
}

void Levelbrett::pruefe(const QString& meldung)
{
    if (!m_offen || !geloest())
        return;
    m_offen = false;  // one outcome per opening
    dialog::zeige(meldung);
    levelnr += 100;
    close();
}
