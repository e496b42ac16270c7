#include "exercises/logic/ulog09.h"

#include "common/satzdatei.h"
#include "common/zufall.h"
#include "exercises/shared/fensterteile.h"
#include "platform/anwendung.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/schriften.h"
#include "platform/tasten.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextEdit>

namespace {

const QString kReihenfolgeText = QStringLiteral("Bringen Sie die vier Begriffe in eine logische Reihenfolge! "
                                                "Der erste Begriff ist durch einen Stern gekennzeichnet!");

// Left button picks, any other takes back; a press never reaches the window.
class Blattmaus : public QObject {
public:
    Blattmaus(QObject* ziel, std::function<void(QMouseEvent*)> druck) : QObject(ziel), m_druck(std::move(druck))
    {
        ziel->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::MouseButtonPress)
            return false;
        auto* m = static_cast<QMouseEvent*>(e);
        schuetze([&] { m_druck(m); });
        return true;
    }

private:
    std::function<void(QMouseEvent*)> m_druck;
};

}

const std::vector<Reihenfolgeart>& Tlog09::mitglieder()
{
    static const std::vector<Reihenfolgeart> t{
        {51, QStringLiteral("Tlog09"), QStringLiteral("Reihenfolge"), QStringLiteral("reifowin.dat"), 81, 47, 47, 20},
        {101, QStringLiteral("Tpra09"), QStringLiteral("Planen"), QStringLiteral("planen.dat"), 71, 100, 25, 35},
    };
    return t;
}

const Reihenfolgeart& Tlog09::mitglied(int programm)
{
    for (const Reihenfolgeart& a : mitglieder())
        if (a.programm == programm)
            return a;
    return mitglieder().front();
}

Tlog09::Tlog09(const Reihenfolgeart& art) : m_art(art)
{
    setObjectName(art.klasse);
    setWindowTitle(art.titel);
    setzeNurSystemmenue();
    setzeMaximiert(true);
    setzeKeyPreview(true);

    start = teile::knopf(this, QStringLiteral("start"), QStringLiteral("Start"));
    weiter = teile::knopf(this, QStringLiteral("weiter"), QStringLiteral("ENTER"));
    weiter->hide();
    aufzahl = teile::etikett(this, QStringLiteral("aufzahl"), QStringLiteral("Arial"), 24);
    aufzahl->resize(120, aufzahl->height());
    aufzahl->hide();
    ausgabe = teile::memo(this, QStringLiteral("ausgabe"), QStringLiteral("Arial"), 24, farbe::fensterHintergrund());
    ausgabe->hide();
    pb = new Malflaeche(this, farbe::weiss);
    pb->setObjectName(QStringLiteral("pb"));
    pb->hide();
    new Blattmaus(pb, [this](QMouseEvent* e) {
        if (e->button() != Qt::LeftButton)
            reaktion();
        else if (const int z = zeileBei(e->position().toPoint().x(), e->position().toPoint().y()))
            waehle(z);
    });
    connect(start, &QPushButton::clicked, this, [this] { schuetze([this] { startClick(); }); });
    connect(weiter, &QPushButton::clicked, this, [this] { schuetze([this] { weiterClick(); }); });
    FormCreate();
}

void Tlog09::FormCreate()
{
    const int w = width(), h = height();
    teile::mittig(start, (h - start->height()) / 2);
    weiter->move((w - weiter->width()) * 5 / 6, h * 7 / 8);
    aufzahl->move((w - aufzahl->width()) * 11 / 12, h / 20);
    ausgabe->resize(w * 2 / 3, h / 5);
    teile::mittig(ausgabe, h / 20);
}

void Tlog09::FormShow() { FormCreate(); }

// once per show: a message box re-activates the window without hiding the sheet
void Tlog09::FormActivate() { pb->hide(); }

void Tlog09::startClick()
{
    if (m_lauf.laeuft())
        return;
    // the file first: a missing or short one leaves the window at "Start"
    m_saetze = Satzdatei::liesTexte(m_art.datei, m_art.satzgroesse, m_art.saetze);
    m_benutzt.assign(m_art.aufgaben, false);
    neueAufgabe();
    m_zaehler = 1;
    aufzahl->setText(QStringLiteral("%1/ %2").arg(m_zaehler).arg(kAufgaben));
    m_lauf.starte(kAufgaben);
    aufzahl->show();
    ausgabe->show();
    start->hide();
    pb->show();
    bemesse();
    aufbau();
    m_offen = true;
    teile::setzeMemo(ausgabe, m_aufgabe.text);
}

void Tlog09::neueAufgabe()
{
    zufall::randomize();
    const int n = ordnen::ziehe(m_benutzt);
    if (m_art.programm == 51) {
        m_aufgabe.text = kReihenfolgeText;
        m_aufgabe.richtig = ordnen::reihenfolgeSatz(m_saetze.at(n - 1));
    } else {
        const ordnen::Plan p = ordnen::planGruppe(m_saetze.mid(4 * (n - 1), 4));
        m_aufgabe.text = p.text;
        m_aufgabe.richtig = p.schritte;
    }
    m_aufgabe.gezeigt = m_aufgabe.richtig;
    ordnen::mische(m_aufgabe.gezeigt);
    m_auswahl.neu();
}

// The sheet in units of its width div 100 and its height div 80. The font is
// 7 units high unless the longest item would not fit its column of 43 units.
void Tlog09::bemesse()
{
    const int h = height() * 5 / 10;
    const int w = width() * 19 / 20;
    pb->setGeometry((width() - w) / 2, height() * 3 / 10, w, h);
    m_ex = w / 100;
    m_ey = h / 80;
    Leinwand& c = pb->canvas();
    const QString muster(m_art.zeichen, QLatin1Char('M'));
    m_schrift = std::max(1, 7 * m_ey);
    for (;;) {
        c.schrift = schrift::font(QStringLiteral("Courier New"), m_schrift);
        if (m_schrift <= 6 || c.textBreite(muster) <= 43 * m_ex)
            break;
        --m_schrift;
    }
}

void Tlog09::aufbau()
{
    Leinwand& c = pb->canvas();
    const int ex = m_ex, ey = m_ey;
    pb->loeschen(farbe::weiss);
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.pinselKlar = false;
    c.pinselFarbe = farbe::blau;
    c.fuellen(10 * ex, 0, 55 * ex, 10 * ey);
    c.fuellen(55 * ex, 0, 100 * ex, 10 * ey);
    for (int y = 10; y <= 70; y += 10)
        c.linie(0, y * ey, 55 * ex, y * ey);
    c.linie(10 * ex, 0, 10 * ex, 80 * ey);
    c.linie(55 * ex, 0, 55 * ex, 80 * ey);
    c.schrift = schrift::font(QStringLiteral("Courier New"), m_schrift);
    c.pinselKlar = true;
    c.schriftFarbe = farbe::weiss;
    c.text(12 * ex, 2 * ey, QStringLiteral("VORGABE"));
    c.text(57 * ex, 2 * ey, QStringLiteral("EINGABE"));
    c.schriftFarbe = farbe::schwarz;
    for (int k = 1; k <= 4; ++k) {
        c.text(4 * ex, (10 * k + 2) * ey, QString(QChar(u'A' + k - 1)));
        c.text(12 * ex, (10 * k + 2) * ey, m_aufgabe.gezeigt[k - 1]);
    }
    zeichnePicks();
    if (!m_offen && m_auswahl.zahl() == 4)
        zeichneUrteil();
    pb->update();
}

void Tlog09::zeichnePicks()
{
    Leinwand& c = pb->canvas();
    c.pinselKlar = true;
    c.schriftFarbe = farbe::schwarz;
    for (int i = 0; i < m_auswahl.zahl(); ++i)
        c.text(57 * m_ex, (10 * (i + 1) + 2) * m_ey, m_auswahl.gewaehlt(i));
}

void Tlog09::zeichneUrteil()
{
    Leinwand& c = pb->canvas();
    const int ex = m_ex, ey = m_ey;
    const bool richtig = m_auswahl.punkte(m_aufgabe.richtig) == 100.0f;
    c.pinselKlar = true;
    if (!richtig) {
        c.pinselKlar = false;
        c.pinselFarbe = farbe::rot;
        c.fuellen(10 * ex + 1, 0, 55 * ex, 50 * ey);
        c.pinselKlar = true;
        c.schriftFarbe = farbe::weiss;
        c.text(12 * ex, 2 * ey, QStringLiteral("LÖSUNG!"));
        for (int k = 1; k <= 4; ++k)
            c.text(12 * ex, (10 * k + 2) * ey, m_aufgabe.richtig[k - 1]);
    }
    c.schriftFarbe = farbe::schwarz;
    c.text(57 * ex, 72 * ey, richtig ? QStringLiteral("RICHTIG!") : QStringLiteral("FEHLER!"));
}

int Tlog09::zeileBei(int x, int y) const
{
    // strictly inside a cell: a press on a line picks nothing
    if (m_ex <= 0 || m_ey <= 0 || x <= 10 * m_ex || x >= 55 * m_ex
        || (y % m_ey == 0 && (y / m_ey) % 10 == 0))
        return 0;
    const int zeile = y / (10 * m_ey);
    return zeile >= 1 && zeile <= 4 ? zeile : 0;
}

void Tlog09::waehle(int zeile)
{
    if (!m_offen || !m_lauf.laeuft() || !m_auswahl.waehle(m_aufgabe.gezeigt[zeile - 1]))
        return;
    zeichnePicks();
    pb->update();
    if (m_auswahl.zahl() == 4)
        check();
}

void Tlog09::reaktion()
{
    if (!m_offen || !m_lauf.laeuft() || m_auswahl.zahl() < 1)
        return;
    const int i = m_auswahl.zahl() - 1;
    Leinwand& c = pb->canvas();
    c.pinselKlar = false;
    c.pinselFarbe = farbe::weiss;
    c.textLoeschen(57 * m_ex, (10 * (i + 1) + 2) * m_ey, m_auswahl.gewaehlt(i));
    m_auswahl.zurueck();
    pb->update();
}

// Scores the task once: picking stops until the next task.
void Tlog09::check()
{
    m_offen = false;
    m_lauf.punkte += m_auswahl.punkte(m_aufgabe.richtig);
    zeichneUrteil();
    pb->update();
    weiter->show();
    weiter->setFocus();
}

void Tlog09::weiterClick()
{
    if (!m_lauf.laeuft() || m_offen)
        return;
    ++m_zaehler;
    aufzahl->setText(QStringLiteral("%1/ %2").arg(m_zaehler).arg(kAufgaben));
    ausgabe->clear();
    if (m_zaehler != kAufgaben + 1) {
        neueAufgabe();
        aufbau();
        m_offen = true;
        teile::setzeMemo(ausgabe, m_aufgabe.text);
        weiter->hide();
        return;
    }
    m_lauf.beende(this, m_art.programm, m_lauf.abschluss());
}

// Keys act only while picking is enabled; the close box closes at any time.
bool Tlog09::FormShortCut(int taste, QKeyEvent*)
{
    if (!m_offen)
        return false;  // Enter and Space press "ENTER" once it is shown
    if (taste == taste::kEsc)
        close();
    else if (taste >= 'A' && taste <= 'D')
        waehle(taste - 'A' + 1);
    else if (taste == taste::kLeer)
        reaktion();
    return true;
}

void Tlog09::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::RightButton)
        schuetze([this] { reaktion(); });
    Form::mousePressEvent(e);
}

// The desktop may frame the window after it is shown: the sheet follows.
void Tlog09::resizeEvent(QResizeEvent* e)
{
    Form::resizeEvent(e);
    if (!pb)
        return;
    FormCreate();
    if (isVisible() && m_lauf.laeuft()) {
        bemesse();
        aufbau();
    }
}

void Tlog09::FormClose()
{
    m_lauf.abbrechen();
    m_offen = false;
    m_zaehler = 0;
    start->show();
    weiter->hide();
    aufzahl->hide();
    ausgabe->clear();
    ausgabe->hide();
    pb->hide();
    pb->freigeben();
}
