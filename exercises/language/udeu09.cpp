#include "exercises/language/udeu09.h"

#include "common/punkte.h"
#include "exercises/shared/dezimalantwort.h"
#include "exercises/shared/fensterteile.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/schriften.h"
#include "platform/tasten.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kZeilen = Angelspiel::kAufgaben;  // rows of pb1
const QString kPunkte = QStringLiteral(".....");

// Trunc: cut toward zero
int ganz(float x) { return static_cast<int>(x); }

// Courier New, black pen and text, silver solid brush, the picture filled with a black frame.
Leinwand& neueTafel(Malflaeche* pb, int schrifthoehe)
{
    pb->loeschen(farbe::silber);
    Leinwand& c = pb->canvas();
    c.schrift = schrift::font(QStringLiteral("Courier New"), schrifthoehe);
    c.schriftFarbe = farbe::schwarz;
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.pinselFarbe = farbe::silber;
    c.pinselKlar = false;
    c.rechteck(0, 0, pb->width(), pb->height());
    return c;
}

}

Tdeu09::Tdeu09(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("Tdeu09"));
    setWindowTitle(QStringLiteral("Wörter angeln"));
    setzeNurSystemmenue();
    setzeFarbe(farbe::aktiverRahmen());
    setzeMaximiert(true);

    start = teile::knopf(this, QStringLiteral("start"), QStringLiteral("Start"));
    pb1 = new Malflaeche(this, farbe::silber);
    pb1->setObjectName(QStringLiteral("pb1"));
    pb1->hide();
    pb2 = new Malflaeche(this, farbe::silber);
    pb2->setObjectName(QStringLiteral("pb2"));
    pb2->hide();
    eingabe = teile::eingabefeld(this, Angelspiel::kZeilen, 32);
    eingabe->hide();
    dezimal::verbindeFeld(
        eingabe, [this](int z) { return eingabeKeyPress(z); }, [this](int t) { eingabeKeyUp(t); });
    hinweis = teile::etikett(this, QStringLiteral("hinweis"), QStringLiteral("Arial"), 24);
    hinweis->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    hinweis->resize(eingabe->width() * 2, hinweis->height());
    hinweis->setText(QStringLiteral("Nummer:"));
    hinweis->hide();
    hilfe = teile::knopf(this, QStringLiteral("hilfe"), QStringLiteral("Hilfe"));
    hilfe->resize(eingabe->width(), hilfe->height());
    hilfe->hide();
    connect(start, &QPushButton::clicked, this, [this] { schuetze([this] { startClick(); }); });
    connect(hilfe, &QPushButton::clicked, this, [this] { schuetze([this] { hilfeClick(); }); });
    FormCreate();
}

void Tdeu09::FormCreate() { teile::mittig(start, (height() - start->height()) / 2); }

void Tdeu09::FormShow() { FormCreate(); }

// Once per show: the message boxes of a run activate the window again and
// must not reset it.
void Tdeu09::FormActivate()
{
    hinweis->setText(QStringLiteral("Nummer:"));
    start->show();
    pb1->hide();
    pb2->hide();
}

void Tdeu09::startClick()
{
    // the clues first: a missing or short file ends here with the window idle
    m_spiel.neu(Angelspiel::ziehe());
    pb1->show();
    pb2->show();
    start->hide();
    aufbau();
    m_lauf.starte(Angelspiel::kAufgaben);
    eingabe->show();
    hilfe->show();
    hinweis->show();
    frageNummer();
    eingabe->setReadOnly(false);
    eingabe->setFocus();
    eingabe->clear();
}

void Tdeu09::aufbau()
{
    const int b = width(), h = height();
    pb1->setGeometry((b - b * 9 / 10) / 2, h / 20, b * 9 / 10, h * 6 / 10);
    pb2->setGeometry(b / 20, h * 7 / 10, b * 6 / 10, h / 4);
    m_ex1 = pb1->width() / 100.0f;
    m_ey1 = pb1->height() / 100.0f;
    m_ex2 = pb2->width() / 120.0f;
    m_ey2 = pb2->height() / 120.0f;
    neueTafel(pb1, ganz(8 * m_ey1));
    for (int i = 0; i < kZeilen; ++i)
        zeichneZeile(i);
    zeichneLinien();
    zeichneTeich();
    hilfe->move(b * 7 / 10, h * 7 / 10);
    hinweis->move(b * 7 / 10, h * 15 / 20);
    eingabe->move(b * 7 / 10, h * 16 / 20);
}

// Drawn from the game's state, so a row looks the same however it came about.
void Tdeu09::zeichneZeile(int i)
{
    Leinwand& c = pb1->canvas();
    const int y = ganz(10 * i * m_ey1 + m_ey1);
    const Angelspiel::Aufgabe& a = m_spiel.aufgabe(i);
    c.text(ganz(2 * m_ex1), y, QString::number(i));
    const bool gefragt = m_spiel.modus() == Angelspiel::Modus::Loesung && m_spiel.aktuell() == i;
    c.schriftFarbe = gefragt ? farbe::blau : farbe::schwarz;
    c.text(ganz(10 * m_ex1), y, a.hinweis);
    c.schriftFarbe = farbe::schwarz;
    c.text(ganz(80 * m_ex1), y, m_spiel.geloest(i) ? a.antwort : kPunkte);
    if (m_spiel.hilfen() > 0)
        c.text(ganz(80 * m_ex1), y, a.antwort.left(m_spiel.hilfen()));
    pb1->update();
}

// After the text: a text's cell may reach a pixel over the line below it.
void Tdeu09::zeichneLinien()
{
    Leinwand& c = pb1->canvas();
    for (int i = 1; i < kZeilen; ++i)
        c.linie(0, ganz(10 * m_ey1 * i), pb1->width(), ganz(10 * m_ey1 * i));
    c.pinselKlar = true;
    c.rechteck(0, 0, pb1->width(), pb1->height());
    c.pinselKlar = false;
    pb1->update();
}

void Tdeu09::zeichneTeich()
{
    Leinwand& c = neueTafel(pb2, ganz(20 * m_ey2));
    for (int s = 0; s < Angelspiel::kSpalten; ++s)
        for (int p = 0; p < Angelspiel::kZeilen; ++p)
            c.text(ganz(3 * m_ex2 + 10 * m_ex2 * s), ganz(24 * p * m_ey2 + m_ey2), QString(m_spiel.zelle(s, p)));
    for (int p = 1; p < Angelspiel::kZeilen; ++p)
        c.linie(0, ganz(24 * m_ey2 * p), pb2->width(), ganz(24 * m_ey2 * p));
    for (int s = 1; s < Angelspiel::kSpalten; ++s)
        c.linie(ganz(10 * m_ex2 * s), 0, ganz(10 * m_ex2 * s), pb2->height());
    c.pinselFarbe = farbe::rot;
    for (int s = 0; s < Angelspiel::kSpalten; ++s)
        for (int p = 0; p < Angelspiel::kZeilen; ++p)
            if (m_spiel.markiert(s, p))
                c.rechteck(ganz(s * m_ex2 * 10), ganz(p * m_ey2 * 24), ganz((s + 1) * m_ex2 * 10),
                           ganz((p + 1) * m_ey2 * 24));
    c.pinselFarbe = farbe::silber;
    pb2->update();
}

QPoint Tdeu09::zellenEcke(int spalte, int zeile) const
{
    return {ganz(spalte * m_ex2 * 10), ganz(zeile * m_ey2 * 24)};
}

QPoint Tdeu09::antwortStelle(int i) const { return {ganz(80 * m_ex1), ganz(10 * i * m_ey1 + m_ey1)}; }

void Tdeu09::frageNummer()
{
    hinweis->setText(QStringLiteral("Nummer:"));
    eingabe->setMaxLength(1);
}

bool Tdeu09::eingabeKeyPress(int zeichen)
{
    if (zeichen == taste::kRueck || zeichen == taste::kEnter || zeichen == taste::kEsc)
        return true;
    if (m_spiel.modus() == Angelspiel::Modus::Nummer)
        return zeichen >= '0' && zeichen <= '9';
    if (zeichen >= 'a' && zeichen <= 'z') {
        eingabe->insert(QChar(zeichen - 'a' + 'A'));  // made a capital
        return false;
    }
    return zeichen >= 'A' && zeichen <= 'Z';
}

void Tdeu09::eingabeKeyUp(int t)
{
    if (t == taste::kEsc) {
        close();  // nothing is recorded
        return;
    }
    const QString text = eingabe->text();
    if (t != taste::kEnter || !m_lauf.laeuft() || text.isEmpty() || text.size() > 19)
        return;
    if (m_spiel.modus() == Angelspiel::Modus::Nummer)
        nummer(text);
    else
        loesung(text);
}

void Tdeu09::nummer(const QString& text)
{
    eingabe->clear();
    // the filter lets only digits in; a pasted text chooses nothing
    if (text.size() != 1 || text[0] < QLatin1Char('0') || text[0] > QLatin1Char('9'))
        return;
    const int n = text[0].unicode() - '0';
    if (!m_spiel.waehle(n)) {
        dialog::zeige(QStringLiteral("Die Aufgabe ist schon gelöst!"));
        return;
    }
    hinweis->setText(QStringLiteral("Lösung:"));
    eingabe->setMaxLength(Angelspiel::kZeilen);
    zeichneZeile(n);
    zeichneLinien();
}

void Tdeu09::loesung(const QString& text)
{
    const int i = m_spiel.aktuell();
    Angelspiel::Zellen zellen;
    if (!m_spiel.antworte(text, &zellen)) {
        // the box shows over the wrong answer, then it goes
        dialog::zeige(QStringLiteral("Fehler!"));
        if (!m_lauf.laeuft())
            return;
        eingabe->clear();
        zeichneZeile(i);
        zeichneLinien();
        frageNummer();
        return;
    }
    eingabe->clear();
    Leinwand& c = pb2->canvas();
    c.pinselFarbe = farbe::rot;
    for (int p = 0; p < Angelspiel::kZeilen; ++p)
        if (zellen[p] >= 0)
            c.rechteck(ganz(zellen[p] * m_ex2 * 10), ganz(p * m_ey2 * 24), ganz((zellen[p] + 1) * m_ex2 * 10),
                       ganz((p + 1) * m_ey2 * 24));
    c.pinselFarbe = farbe::silber;
    pb2->update();
    frageNummer();
    zeichneZeile(i);
    zeichneLinien();
    if (m_spiel.fertig())
        m_lauf.beende(this, kProgramm, punkte::abschluss(m_spiel.punkte(), m_lauf.sekunden()));
}

void Tdeu09::hilfeClick()
{
    if (!m_lauf.laeuft())
        return;
    if (m_spiel.hilfe()) {
        for (int i = 0; i < kZeilen; ++i)
            zeichneZeile(i);
        zeichneLinien();
    } else {
        dialog::zeige(QStringLiteral("Es wurden schon 3 Hilfen gegeben!"));
    }
    eingabe->setFocus();
}

// The desktop may frame the window after it is shown: the pictures follow.
void Tdeu09::resizeEvent(QResizeEvent* e)
{
    Form::resizeEvent(e);
    if (!start)
        return;  // still being built
    FormCreate();
    if (isVisible() && m_lauf.laeuft())
        aufbau();
}

// Nothing is recorded.
void Tdeu09::FormClose()
{
    m_lauf.abbrechen();
    start->show();
    eingabe->hide();
    hilfe->hide();
    hinweis->hide();
    pb1->hide();
    pb2->hide();
    pb1->freigeben();
    pb2->freigeben();
}
