#include "exercises/language/udeu01.h"

#include "common/satzdatei.h"
#include "common/zufall.h"
#include "platform/farben.h"
#include "platform/anwendung.h"
#include "platform/farben.h"
#include "platform/schriften.h"
#include "platform/tasten.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <map>

namespace {

constexpr int kAufgaben = 20;

QStringList ganzeWortliste()
{
    QStringList t;
    for (const TBegriff& w : wortliste::ganzeListe())
        t << w;
    return t;
}

QStringList saetze()
{
    return Satzdatei::liesTexte(QStringLiteral("satzwin.dat"), 61, ordnung::kBaender * ordnung::kSaetzeProBand);
}

ordnung::Aufgabe sortieren(const QStringList& tabelle, std::vector<bool>&, int wortzahl)
{
    return ordnung::sortieraufgabe(std::vector<TBegriff>(tabelle.begin(), tabelle.end()), wortzahl);
}

ordnung::Aufgabe satzbau(const QStringList& tabelle, std::vector<bool>& benutzt, int band)
{
    return ordnung::satzaufgabe(tabelle, benutzt, band);
}

const std::map<int, Sortierart>& arten()
{
    static const std::map<int, Sortierart> t = {
        {41, {41, QStringLiteral("Tdeu01"), QStringLiteral("Sortieren"), ganzeWortliste, sortieren, 4, 8,
              ordnung::kHoechstensWoerter, 7, 8, 2, false, farbe::schwarz}},
        {50, {50, QStringLiteral("Tdeu06"), QStringLiteral("Satzbau"), saetze, satzbau, 0, 4, ordnung::kBaender - 1,
              15, 16, 3, true, farbe::rot}},
    };
    return t;
}

// Passes the mouse presses on the picture to a handler; the second press of a
// double click arrives as a double click and is a press like the first.
class Mausfilter : public QObject {
public:
    Mausfilter(QObject* ziel, std::function<void(QMouseEvent*)> druck) : QObject(ziel), m_druck(std::move(druck))
    {
        ziel->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::MouseButtonPress && e->type() != QEvent::MouseButtonDblClick)
            return false;
        schuetze([&] { m_druck(static_cast<QMouseEvent*>(e)); });
        return true;
    }

private:
    std::function<void(QMouseEvent*)> m_druck;
};

}

const Sortierart& sortierart(int programm) { return arten().at(programm); }

Tdeu01::Tdeu01(const Sortierart& art, QWidget* parent)
    : Form(parent), m_art(art), m_stufe(art.stufeStart, art.stufeAlle, art.stufeHoechstens)
{
    setObjectName(m_art.klasse);
    setWindowTitle(m_art.titel);
    setzeNurSystemmenue();
    setzeFarbe(farbe::aktiverRahmen());
    setzeMaximiert(true);

    start = new QPushButton(QStringLiteral("Start"), this);
    start->setObjectName(QStringLiteral("start"));
    weiter = new QPushButton(QStringLiteral("weiter"), this);
    weiter->setObjectName(QStringLiteral("weiter"));
    weiter->hide();
    for (QPushButton* b : {start, weiter}) {
        b->setFont(schrift::font(QStringLiteral("Arial"), 19));
        b->resize(160, 48);
    }
    aufzahl = new QLabel(this);
    aufzahl->setObjectName(QStringLiteral("aufzahl"));
    aufzahl->setFont(schrift::font(QStringLiteral("Arial"), 16));
    aufzahl->resize(120, 24);
    aufzahl->hide();
    pb = new Malflaeche(this, farbe::weiss);
    pb->setObjectName(QStringLiteral("pb"));
    pb->hide();
    new Mausfilter(pb, [this](QMouseEvent* e) { pbMouseDown(e); });
    // on some screen heights the picture reaches below the top of "weiter":
    // the button stays in front, as buttons do over pictures
    weiter->raise();

    connect(start, &QPushButton::clicked, this, [this] { schuetze([this] { startClick(); }); });
    connect(weiter, &QPushButton::clicked, this, [this] { schuetze([this] { weiterClick(); }); });
    FormCreate();
}

void Tdeu01::FormCreate()
{
    m_zaehler = 0;
    const int b = width();
    const int h = height();
    start->move((b - start->width()) / 2, h / 40);
    weiter->move((b - weiter->width()) * 5 / 6, h * m_art.weiterObenZaehler / m_art.weiterObenNenner);
    aufzahl->move((b - aufzahl->width()) * 11 / 12, h / 40);
}

void Tdeu01::FormShow() { FormCreate(); }

void Tdeu01::FormActivate() { pb->hide(); }

void Tdeu01::startClick()
{
    // the content first: a missing or short file ends here with nothing changed
    m_tabelle = m_art.lade();
    m_benutzt.assign(m_tabelle.size(), false);
    zufall::randomize();
    m_stufe.neu();
    m_zaehler = 1;
    aufzahl->setText(QStringLiteral("%1/ %2").arg(m_zaehler).arg(kAufgaben));

    const int hoehe = height() * 4 / 5;
    const int breite = width() * 9 / 10;
    pb->setGeometry((width() - breite) / 2, (height() - hoehe) / m_art.bildObenTeiler, breite, hoehe);
    ex = breite / 100;
    ey = hoehe / 100;
    pb->resize(100 * ex, 100 * ey);

    aufgabe();
    m_lauf.starte(kAufgaben);
    start->hide();
    pb->show();
    aufbau();
    m_offen = true;
    aufzahl->show();
    setFocus();
}

void Tdeu01::aufgabe()
{
    m_aufgabe = m_art.mache(m_tabelle, m_benutzt, m_stufe.wert());
    m_eingabe.clear();
}

void Tdeu01::schreibe(int x, int y, const QString& text, const QColor& farbe)
{
    Leinwand& c = pb->canvas();
    c.schrift = schrift::font(QStringLiteral("Arial"), 6 * ey);
    c.pinselKlar = false;
    c.pinselFarbe = farbe::weiss;
    c.schriftFarbe = farbe;
    c.text(x, y, text);
    pb->update();
}

// Clears a word's area: drawn again in white, its smoothed edges would stay grey.
void Tdeu01::loesche(int x, int y, const QString& text)
{
    Leinwand& c = pb->canvas();
    c.schrift = schrift::font(QStringLiteral("Arial"), 6 * ey);
    c.pinselFarbe = farbe::weiss;
    c.textLoeschen(x, y, text);
    pb->update();
}

void Tdeu01::aufbau()
{
    Leinwand& c = pb->canvas();
    c.stiftFarbe = farbe::schwarz;
    c.pinselKlar = false;
    c.pinselFarbe = farbe::weiss;
    c.rechteck(0, 0, 100 * ex, 100 * ey);
    for (int i = 1; i <= 9; ++i)
        c.linie(0, 10 * i * ey, 60 * ex, 10 * i * ey);
    c.linie(20 * ex, 0, 20 * ex, 100 * ey);
    c.linie(60 * ex, 0, 60 * ex, 100 * ey);

    c.pinselFarbe = farbe::blau;
    c.rechteck(20 * ex, 0, 60 * ex + 1, 10 * ey + 1);
    c.rechteck(60 * ex, 0, 100 * ex + 1, 10 * ey + 1);
    c.schrift = schrift::font(QStringLiteral("Arial"), 6 * ey);
    c.schriftFarbe = farbe::weiss;
    c.text(22 * ex, 3 * ey, QStringLiteral("VORGABE"));
    c.text(62 * ex, 3 * ey, QStringLiteral("EINGABE"));

    const auto& vorgabe = m_aufgabe.vorgabe;
    for (int i = 1; i <= static_cast<int>(vorgabe.size()); ++i) {
        schreibe(22 * ex, 10 * i * ey + 3 * ey, vorgabe[i - 1], farbe::schwarz);
        schreibe(9 * ex, 10 * i * ey + 3 * ey, QString(QChar(64 + i)), farbe::schwarz);
    }
    pb->update();
}

void Tdeu01::keyPressEvent(QKeyEvent* e)
{
    int zeichen = 0;
    const int k = taste::code(e);
    if (k == taste::kEsc || k == taste::kRueck || k == taste::kLeer)
        zeichen = k;
    else if (e->text().size() == 1)
        zeichen = e->text()[0].unicode();
    if (zeichen == 0)
        return Form::keyPressEvent(e);
    schuetze([&] { FormKeyPress(zeichen); });
}

void Tdeu01::FormKeyPress(int zeichen)
{
    // keys act only on an open task, Esc too: before "Start" and after a
    // verdict the close box leaves the window
    if (!m_offen)
        return;
    if (zeichen == taste::kEsc) {
        close();
        return;
    }
    if (zeichen == taste::kLeer || (zeichen == taste::kRueck && m_art.ruecktaste)) {
        if (!m_eingabe.empty())
            reaktion();
        return;
    }
    if (zeichen >= 'a' && zeichen <= 'z')
        zeichen -= 32;
    if (zeichen < 'A' || zeichen > '[')
        return;
    waehle(zeichen - 64);
}

void Tdeu01::waehle(int position)
{
    const int n = static_cast<int>(m_aufgabe.vorgabe.size());
    if (position < 1 || position > n || static_cast<int>(m_eingabe.size()) >= n)
        return;
    m_eingabe.push_back(m_aufgabe.vorgabe[position - 1]);
    const int p = static_cast<int>(m_eingabe.size());
    schreibe(62 * ex, 10 * p * ey + 3 * ey, m_eingabe.back(), farbe::schwarz);
    if (p == n)
        check();
}

void Tdeu01::pbMouseDown(QMouseEvent* e)
{
    if (!m_offen || ey <= 0)
        return;
    const int x = e->position().toPoint().x();
    const int y = e->position().toPoint().y();
    if (e->button() == Qt::LeftButton && e->buttons() == Qt::LeftButton && !(e->modifiers() & Qt::ShiftModifier)) {
        const int zeile = y / (10 * ey);
        if (20 * ex < x && x < 60 * ex)
            waehle(zeile);
    } else {
        reaktion();
    }
}

void Tdeu01::mousePressEvent(QMouseEvent* e)
{
    schuetze([&] { FormMouseDown(e); });
}

void Tdeu01::FormMouseDown(QMouseEvent* e)
{
    if (e->button() == Qt::RightButton && e->buttons() == Qt::RightButton)
        reaktion();
}

void Tdeu01::reaktion()
{
    if (m_eingabe.empty())
        return;
    const int p = static_cast<int>(m_eingabe.size());
    loesche(62 * ex, 10 * p * ey + 3 * ey, m_eingabe.back());
    m_eingabe.pop_back();
}

void Tdeu01::check()
{
    if (ordnung::richtig(m_eingabe, m_aufgabe.loesung)) {
        m_lauf.punkte += 100.0f;
        m_stufe.richtig();
        schreibe(62 * ex, 93 * ey, QStringLiteral("RICHTIG!"), farbe::schwarz);
    } else {
        schreibe(22 * ex, 93 * ey, QStringLiteral("LÖSUNG!"), farbe::schwarz);
        schreibe(62 * ex, 93 * ey, QStringLiteral("FEHLER!"), farbe::schwarz);
        const auto& vorgabe = m_aufgabe.vorgabe;
        for (int i = 1; i <= static_cast<int>(vorgabe.size()); ++i)
            loesche(22 * ex, 10 * i * ey + 3 * ey, vorgabe[i - 1]);
        for (int i = 1; i <= static_cast<int>(m_aufgabe.loesung.size()); ++i)
            schreibe(22 * ex, 10 * i * ey + 3 * ey, m_aufgabe.loesung[i - 1], m_art.loesungsfarbe);
    }
    weiter->show();
    weiter->setFocus();
    m_offen = false;
}

void Tdeu01::weiterClick()
{
    if (!m_lauf.laeuft())
        return;
    ++m_zaehler;
    aufzahl->setText(QStringLiteral("%1/ %2").arg(m_zaehler).arg(kAufgaben));
    if (m_zaehler != kAufgaben + 1) {
        aufgabe();
        aufbau();
        weiter->hide();
        setFocus();
        m_offen = true;
        return;
    }
    start->show();
    weiter->hide();
    m_zaehler = 0;
    m_offen = false;
    m_lauf.beende(this, m_art.programm, m_lauf.abschluss());
}

void Tdeu01::FormClose()
{
    m_lauf.abbrechen();
    start->show();
    weiter->hide();
    aufzahl->hide();
    m_zaehler = 0;
    m_offen = false;
    m_eingabe.clear();
    pb->freigeben();
}
