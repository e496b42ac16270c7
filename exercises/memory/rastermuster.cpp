#include "exercises/memory/rastermuster.h"

#include "common/punkte.h"
#include "common/zufall.h"
#include "exercises/shared/fensterteile.h"
#include "platform/anwendung.h"
#include "platform/farben.h"
#include "platform/leinwand.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <vector>

namespace rastermuster {

Feld ziehe(int k)
{
    Feld f{};
    std::vector<int> frei;
    for (int i = 0; i < kZellen; ++i)
        frei.push_back(i);
    for (int n = 0; n < k && !frei.empty(); ++n) {
        const int j = zufall::R(static_cast<int>(frei.size())) - 1;
        f[frei[j]] = true;
        frei.erase(frei.begin() + j);
    }
    return f;
}

}

using namespace rastermuster;

Rasterfenster::Rasterfenster(const QString& klasse, const QString& titel, int programm) : m_programm(programm)
{
    setObjectName(klasse);
    setWindowTitle(titel);
    setzeNurSystemmenue();
    setzeFarbe(farbe::buttonFace());
    setzeKeyPreview(true);

    start = teile::knopf(this, QStringLiteral("start"), QStringLiteral("Start"));
    start->resize(137, 41);
    connect(start, &QPushButton::clicked, this, [this] { schuetze([this] { startClick(); }); });
    aufzahl = teile::etikett(this, QStringLiteral("aufzahl"), QStringLiteral("Arial"), 19);
    aufzahl->resize(185, 41);
    aufzahl->hide();
    pb = new Malflaeche(this, farbe::blau);
    pb->setObjectName(QStringLiteral("pb"));
    pb->hide();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kAnzeigeMs);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, [this] { schuetze([this] { Timer1Timer(); }); });
    setzeMaximiert(true);
}

// From the outer size the window has maximised (on the first showing too).
void Rasterfenster::anordnen()
{
    const QSize aussen = aussenmass();
    m_hoehe = aussen.height() * 2 / 3;
    m_breite = m_hoehe * 5 / 4;
    pb->resize(m_breite, m_hoehe);
    m_raster = Zellraster(kSpalten, kZeilen, m_breite, m_hoehe);
    start->move((width() - start->width()) / 2, 16);
    ordneAn(aussen, m_hoehe);
}

void Rasterfenster::FormShow() { anordnen(); }

// Once per show: the message window at the end starts nothing anew.
void Rasterfenster::FormActivate()
{
    m_lauf.starte(kAufgaben);
    m_zaehler = 0;
    pb->hide();
    beiOeffnung();
}

void Rasterfenster::FormClose()
{
    // a tick after closing would draw on a closed window and open its answering
    Timer1->stop();
    m_gezeigt = false;
    m_lauf.abbrechen();
    start->show();
    m_zaehler = 0;
    aufzahl->hide();
    pb->hide();
    pb->freigeben();
    beiSchliessen();
}

void Rasterfenster::startClick()
{
    if (!m_lauf.laeuft())
        return;
    // the task first: a missing word list leaves the window as it was
    if (m_zaehler < kAufgaben && !aufgabe())
        return;
    pb->show();
    start->hide();
    m_cursor = m_alt = QPoint(0, 0);
    beiStart();
    ++m_zaehler;
    aufzahl->setText(QStringLiteral("Aufgabe: %1 / %2").arg(m_zaehler).arg(kAufgaben));
    aufzahl->show();
    if (m_zaehler == kAufgaben + 1) {
        m_zaehler = 0;
        start->hide();
        aufzahl->hide();
        m_lauf.beende(this, m_programm, m_lauf.abschluss());
        return;
    }
    zeigeMuster();
}

QRect Rasterfenster::zellrechteck(QPoint z) const
{
    return QRect(QPoint(z.x() * m_breite / kSpalten, z.y() * m_hoehe / kZeilen),
                 QPoint((z.x() + 1) * m_breite / kSpalten, (z.y() + 1) * m_hoehe / kZeilen));
}

void Rasterfenster::fuelleZelle(QPoint z, const QColor& farbe)
{
    Leinwand& c = pb->canvas();
    const QRect r = zellrechteck(z);
    c.pinselKlar = false;
    c.pinselFarbe = farbe;
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.rechteck(r.left(), r.top(), r.right(), r.bottom());
    c.pinselFarbe = farbe::blau;
    pb->update(r);
}

void Rasterfenster::leeresGitter()
{
    Leinwand& c = pb->canvas();
    c.pinselKlar = false;
    c.pinselFarbe = farbe::blau;
    c.fuellen(0, 0, pb->width(), pb->height());
    for (int i = 0; i < kZellen; ++i)
        fuelleZelle(zelle(i), farbe::blau);
    pb->update();
}

void Rasterfenster::zeigeMuster()
{
    Timer1->start();
    m_gezeigt = true;
    leeresGitter();
    for (int i = 0; i < kZellen; ++i)
        if (m_muster[i])
            fuelleZelle(zelle(i), farbe::weiss);
}

void Rasterfenster::rahmen(QPoint z, const QColor& stift)
{
    Leinwand& c = pb->canvas();
    const QRect r = innen(z);
    c.pinselKlar = true;
    c.stiftBreite = 1;
    c.stiftFarbe = stift;
    c.rechteck(r.left(), r.top(), r.right(), r.bottom());
    c.stiftFarbe = farbe::schwarz;
    c.pinselKlar = false;
    pb->update(r.adjusted(0, 0, 1, 1));
}

void Rasterfenster::Timer1Timer()
{
    if (!m_gezeigt)
        return;
    m_gezeigt = false;
    Timer1->stop();
    leeresGitter();
    verdeckt();
}
