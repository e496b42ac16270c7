#include "exercises/language/uwis06.h"

#include "common/textformat.h"
#include "common/zufall.h"
#include "exercises/shared/wortliste.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/schriften.h"
#include "platform/tasten.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {

constexpr int kLaengste = 7;
constexpr int kSpalten = 13;
constexpr int kKnopfBreite = 160;
constexpr int kKnopfHoehe = 48;

QChar buchstabe(int l) { return QChar(u'A' + l - 1); }

// Passes the mouse presses on the board to a handler.
class Brettmaus : public QObject {
public:
    Brettmaus(QObject* ziel, std::function<void(QPoint)> druck) : QObject(ziel), m_druck(std::move(druck))
    {
        ziel->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::MouseButtonPress)
            return false;
        const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
        schuetze([&] { m_druck(p); });
        return true;
    }

private:
    std::function<void(QPoint)> m_druck;
};

}

// Capitals for a to z only: a library upper case makes "ß" two letters, and the
// dots would no longer match the word. A word with any other character cannot
// be completed.
void Galgenwort::neu(const QString& wort)
{
    m_wort = textformat::grossAZ(wort);
    m_anzeige = QString(m_wort.size(), QLatin1Char('.'));
    m_gewaehlt.fill(false);
}

Galgenwort::Wahl Galgenwort::waehle(int l)
{
    Wahl w;
    const QChar b = buchstabe(l);
    bool drin = false;
    for (int i = 0; i < m_wort.size(); ++i)
        if (m_wort[i] == b) {
            m_anzeige[i] = b;
            drin = true;
        }
    if (!drin)
        w.punkte -= 10.0f;
    if (m_gewaehlt[l - 1]) {
        w.punkte -= 30.0f;
        w.schonGewaehlt = true;
    }
    m_gewaehlt[l - 1] = true;
    if (geloest()) {
        w.geloest = true;
        w.punkte += 200.0f;
    }
    return w;
}

Twis06::Twis06(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("Twis06"));
    setWindowTitle(QStringLiteral("Galgenmann"));
    setzeNurSystemmenue();
    setzeFarbe(farbe::aktiverRahmen());
    setzeMaximiert(true);
    setzeKeyPreview(true);

    start = new QPushButton(QStringLiteral("Start"), this);
    start->setObjectName(QStringLiteral("start"));
    kasten = new QLabel(this);
    kasten->setObjectName(QStringLiteral("kasten"));
    kasten->setAlignment(Qt::AlignCenter);
    kasten->setFont(schrift::font(QStringLiteral("Courier New"), 96));
    kasten->setAutoFillBackground(true);
    QPalette p = kasten->palette();
    p.setColor(QPalette::Window, farbe::gelb);
    p.setColor(QPalette::WindowText, farbe::schwarz);
    kasten->setPalette(p);
    kasten->hide();
    pb1 = new Malflaeche(this, farbe::weiss);
    pb1->setObjectName(QStringLiteral("pb1"));
    pb1->hide();
    new Brettmaus(pb1, [this](QPoint p) {
        if (const int l = buchstabeBei(p.x(), p.y()))
            waehle(l);
    });
    weiter = new QPushButton(QStringLiteral("weiter"), this);
    weiter->setObjectName(QStringLiteral("weiter"));
    weiter->hide();
    aufzahl = new QLabel(this);
    aufzahl->setObjectName(QStringLiteral("aufzahl"));
    aufzahl->setFont(schrift::font(QStringLiteral("Arial"), 24));
    aufzahl->hide();
    for (QPushButton* b : {start, weiter}) {
        b->setFont(schrift::font(QStringLiteral("Arial"), 19));
        b->resize(kKnopfBreite, kKnopfHoehe);
    }
    connect(start, &QPushButton::clicked, this, [this] { schuetze([this] { startClick(); }); });
    connect(weiter, &QPushButton::clicked, this, [this] { schuetze([this] { weiterClick(); }); });
    FormCreate();
}

void Twis06::FormCreate() { start->move((width() - start->width()) / 2, (height() - start->height()) / 2); }

void Twis06::FormShow() { FormCreate(); }

// once per show: a message box does not hide the board
void Twis06::FormActivate() { pb1->hide(); }

void Twis06::startClick()
{
    // the words first: a missing or short list ends here with nothing changed
    zufall::randomize();
    m_woerter = wortliste::zufallNachLaenge(kGezogen, wortliste::hoechstens(kLaengste));
    pb1->show();
    kasten->show();
    m_lauf.starte(kGespielt);
    m_zaehler = 1;
    neueswort();
    aufbau();
    start->hide();
    aufzahl->show();
}

void Twis06::neueswort()
{
    m_spiel.neu(m_woerter[m_zaehler - 1]);
    m_offen = true;
}

void Twis06::aufbau()
{
    const int b = width();
    const int hoehe = height();
    const int kh = hoehe * 2 / 10, kb = b * 8 / 10;
    kasten->setGeometry((b - kb) / 2, (hoehe - kh) / 4, kb, kh);
    const int ph = hoehe * 2 / 10, pb = b * 13 / 15;
    m_h = ph / 2;
    m_w = pb / kSpalten;
    pb1->setGeometry((b - kSpalten * m_w) / 2, hoehe * 3 / 5, kSpalten * m_w, ph);
    zeichneBrett();
    weiter->move(b * 8 / 10, hoehe * 7 / 8);
    aufzahl->resize(kKnopfBreite, 32);
    aufzahl->move(b * 8 / 10, hoehe / 14);
    aufzahl->setText(QStringLiteral("%1/ %2").arg(m_zaehler).arg(kGespielt));
    kasten->setText(m_spiel.anzeige());
}

// The board from the word's state: the letters chosen are painted over.
void Twis06::zeichneBrett()
{
    pb1->loeschen(farbe::weiss);
    Leinwand& c = pb1->canvas();
    const int w = m_w, h = m_h;
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.pinselKlar = false;
    c.pinselFarbe = farbe::weiss;
    c.rechteck(0, 0, kSpalten * w, pb1->height());
    for (int i = 1; i < kSpalten; ++i)
        c.linie(i * w, 0, i * w, pb1->height());
    c.linie(0, h, kSpalten * w, h);
    const int fh = 2 * h / 3;
    c.schrift = schrift::font(QStringLiteral("Courier New"), fh);
    c.pinselKlar = true;
    for (int l = 1; l <= 26; ++l) {
        const int i = (l - 1) % kSpalten, zeile = (l - 1) / kSpalten;
        c.text(w / 3 + i * w, (h - fh) / 2 + zeile * h, QString(buchstabe(l)));
    }
    c.pinselKlar = false;
    c.pinselFarbe = farbe::buttonFace();
    c.stiftFarbe = farbe::buttonFace();
    for (int l = 1; l <= 26; ++l)
        if (m_spiel.gewaehlt(l)) {
            if (l <= kSpalten)
                c.fuellen((l - 1) * w, 0, l * w + 1, h + 1);
            else
                c.fuellen((l - 14) * w, h, (l - 13) * w + 1, 2 * h + 1);
        }
    c.stiftFarbe = farbe::schwarz;
    pb1->update();
}

int Twis06::buchstabeBei(int x, int y) const
{
    if (m_w <= 0 || m_h <= 0 || x < 0 || y < 0)
        return 0;
    const int spalte = x / m_w, zeile = y / m_h;
    if (spalte >= kSpalten || zeile > 1)
        return 0;
    return spalte + 1 + kSpalten * zeile;
}

void Twis06::waehle(int l)
{
    if (!m_offen || !m_lauf.laeuft())
        return;
    const Galgenwort::Wahl w = m_spiel.waehle(l);
    m_lauf.punkte += w.punkte;
    kasten->setText(m_spiel.anzeige());
    zeichneBrett();
    if (w.schonGewaehlt)
        dialog::zeige(QStringLiteral("Der Buchstabe wurde schon gewählt!"));
    if (w.geloest) {
        m_offen = false;
        weiter->show();
        weiter->setFocus();
    }
}

bool Twis06::FormShortCut(int taste, QKeyEvent*)
{
    if (taste == taste::kEsc) {
        close();
        return true;
    }
    if (taste < 'A' || taste > 'Z')
        return false;  // Enter and Space still press "weiter"
    waehle(taste - 64);
    return true;
}

void Twis06::weiterClick()
{
    if (!m_lauf.laeuft() || m_offen)
        return;
    ++m_zaehler;
    weiter->hide();
    if (m_zaehler != kGespielt + 1) {
        neueswort();
        aufbau();
        return;
    }
    m_zaehler = 0;
    aufzahl->hide();
    start->show();
    m_lauf.beende(this, kProgramm, m_lauf.abschluss());
}

// The desktop may frame the window after it is shown: the board follows.
void Twis06::resizeEvent(QResizeEvent* e)
{
    Form::resizeEvent(e);
    if (!start)
        return;  // still being built
    FormCreate();
    if (isVisible() && m_lauf.laeuft())
        aufbau();
}

// Nothing is recorded; the word left open takes no more letters.
void Twis06::FormClose()
{
    m_lauf.abbrechen();
    m_offen = false;
    start->show();
    weiter->hide();
    aufzahl->hide();
    kasten->hide();
    pb1->hide();
    pb1->freigeben();
    m_zaehler = 0;
}
