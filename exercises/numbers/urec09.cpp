#include "exercises/numbers/urec09.h"

#include "common/zustand.h"
#include "exercises/shared/fensterteile.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/schriften.h"
#include "platform/tasten.h"

#include <QFrame>
#include <QLabel>

Trec09::Trec09()
{
    setObjectName(QStringLiteral("Trec09"));
    setWindowTitle(QStringLiteral("Summenquadrat"));
    setzeNurSystemmenue();
    setzeFarbe(farbe::buttonFace());
    setzeKeyPreview(true);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Label1 = teile::etikett(Panel1, QStringLiteral("Label1"), QStringLiteral("Arial"), 19);
    Panel1->resize(400, Label1->height() + 16);
    Label1->setGeometry(8, 8, Panel1->width() - 16, Label1->height());
    ima = new Malflaeche(this, farbe::silber);
    ima->setObjectName(QStringLiteral("ima"));
    setzeMaximiert(true);
}

int Trec09::einheit() const { return std::max(1, ((aussenmass().height() * 42) / 40) / 140); }

// Once per show: the boxes of a run activate the window again without starting anew.
void Trec09::FormActivate()
{
    m_k = 1;
    m_richtige = 0;
    m_lauf.starte(kAufgaben);
    neuspiel();
}

void Trec09::FormClose()
{
    m_lauf.abbrechen();  // nothing is recorded
    ima->freigeben();
}

void Trec09::neuspiel()
{
    const int u = einheit();
    teile::mittig(Panel1, 10);
    ima->resize(100 * u, 104 * u);
    teile::mittig(ima, Panel1->y() + Panel1->height() + 10);
    Label1->setText(QStringLiteral("%1 / %2").arg(m_k).arg(kAufgaben));

    Leinwand& c = ima->canvas();
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.pinselFarbe = farbe::silber;
    c.pinselKlar = false;
    c.rechteck(0, 0, 100 * u, 104 * u);
    m_brett.neu(m_richtige);
    c.schrift = schrift::font(QStringLiteral("Courier New"), 40);
    c.schriftFarbe = farbe::schwarz;
    c.pinselKlar = true;
    for (int x = 1; x <= Summenbrett::kSeite; ++x)
        for (int y = 1; y <= Summenbrett::kSeite; ++y)
            if (const int z = m_brett.zelle(x, y))
                c.text((x - 1) * 10 * u + 2 * u, (y - 1) * 10 * u + 2 * u, QString::number(z));
    aufbau(m_brett.fx, m_brett.fy, Nutzer);
    Label1->setText(QStringLiteral("%1 / %2     Ziel: %3").arg(m_k).arg(kAufgaben).arg(m_brett.ziel()));
    ima->update();
}

void Trec09::aufbau(int x, int y, Modus modus)
{
    const int u = einheit();
    Leinwand& c = ima->canvas();
    c.stiftFarbe = modus == Loeschen ? farbe::silber : modus == Nutzer ? farbe::weiss : farbe::rot;
    c.stiftBreite = 5;
    c.pinselKlar = true;
    c.rechteck((x - 1) * 10 * u + u, (y - 1) * 10 * u + u, (x + 2) * 10 * u - u, (y + 2) * 10 * u - u);
    ima->update();
}

bool Trec09::FormShortCut(int taste, QKeyEvent*)
{
    if (taste == taste::kEsc) {
        close();  // nothing is recorded
        return true;
    }
    // no task open (the run is over or was never started): keys do nothing
    if (!m_lauf.laeuft())
        return true;
    const int altx = m_brett.fx, alty = m_brett.fy;
    if (m_brett.bewege(taste)) {
        aufbau(altx, alty, Loeschen);
        aufbau(m_brett.fx, m_brett.fy, Nutzer);
    } else if (taste == taste::kEnter) {
        pruefe();
    }
    return true;
}

void Trec09::pruefe()
{
    if (m_brett.getroffen()) {
        dialog::zeige(QStringLiteral("RICHTIG !"));
        m_lauf.punkte += 50.0f;
        ++m_richtige;
    } else {
        aufbau(m_brett.x0(), m_brett.y0(), Loesung);
        dialog::zeige(QStringLiteral("Fehler!"));
    }
    // closed while the box was open: nothing more
    if (!m_lauf.laeuft() || !isVisible())
        return;
    if (++m_k <= kAufgaben) {
        neuspiel();
        return;
    }
    m_lauf.beende(this, kProgramm, m_lauf.abschluss());
}
