#include "exercises/reaction/urea07.h"

#include "common/punkte.h"
#include "exercises/shared/symboltabelle.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/schriften.h"
#include "platform/tasten.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <algorithm>

namespace {
constexpr float kProZiel = 50.0f;
constexpr int kLabelHoehe = 32;
const QString kMarke = QStringLiteral("#");
}

const std::vector<Schlangenart>& Trea07::mitglieder()
{
    static const std::vector<Schlangenart> t{
        {66, QStringLiteral("Trea07"), QStringLiteral("SCHLANGE"), false},
        {67, QStringLiteral("Trea08"), QStringLiteral("SCHLANGE II"), true},
    };
    return t;
}

Trea07::Trea07(const Schlangenart& art) : m_art(art)
{
    setObjectName(art.klasse);
    setWindowTitle(art.titel);
    setzeNurSystemmenue();
    setzeKeyPreview(true);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Label1 = new QLabel(Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    if (art.zeichen) {
        Label2 = new QLabel(QStringLiteral("Zielzeichen"), Panel1);
        Label2->setObjectName(QStringLiteral("Label2"));
        Label2->setFont(schrift::font(QStringLiteral("Arial"), kLabelHoehe));
        Label1->setFont(symbolschrift(kLabelHoehe));
    } else {
        Label1->setFont(schrift::font(QStringLiteral("Arial"), kLabelHoehe));
    }
    ima = new Malflaeche(this, farbe::buttonFace());
    ima->setObjectName(QStringLiteral("ima"));
    setzeMaximiert(true);
}

QString Trea07::zielzeichen(int n) const
{
    return m_art.zeichen ? QString(Symboltabelle(n).zeichen) : QString(QChar(u'A' + n - 1));
}

void Trea07::anordnen()
{
    m_cw = std::max(1, (9 * width() / 10) / 18);
    m_ch = std::max(1, (7 * height() / 10) / 12);
    // the panel fits its labels: "Zielzeichen" beside the sign, or "Zielzeichen: X"
    int links = 12;
    for (QLabel* l : {Label2, Label1}) {
        if (!l)
            continue;
        l->adjustSize();
        l->move(links, 8);
        links += l->width() + 12;
    }
    Panel1->resize(links, Label1->height() + 16);
    Panel1->move((width() - Panel1->width()) / 2, 10);
    ima->resize(18 * m_cw, 12 * m_ch);
    ima->move((width() - ima->width()) / 2, Panel1->y() + Panel1->height() + 10);
}

// Once per show: the message boxes of a run activate the window again.
void Trea07::FormActivate()
{
    m_brett.neu();
    zeigeZiel();
    anordnen();
    zeichneBrett();
    m_angelegt = true;
    m_lauf.starte(Schlangenbrett::kZiele);
    m_lauf.punkte = 0.0f;
}

// Every close records the run, however the window is closed.
void Trea07::FormClose()
{
    m_angelegt = false;
    m_lauf.beende(nullptr, m_art.programm, m_lauf.abschluss());
    ima->freigeben();
}

void Trea07::zeigeZiel()
{
    const int n = std::min(m_brett.naechstes(), Schlangenbrett::kZiele);
    Label1->setText(m_art.zeichen ? zielzeichen(n) : QStringLiteral("Zielzeichen: ") + zielzeichen(n));
    Label1->adjustSize();
}

void Trea07::zeichneBrett()
{
    Leinwand& c = ima->canvas();
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.pinselKlar = false;
    c.pinselFarbe = farbe::silber;
    c.rechteck(0, 2, 18 * m_cw, 12 * m_ch - 10);
    c.schrift = m_art.zeichen ? symbolschrift(5 * m_ch / 4) : schrift::font(QStringLiteral("Courier New"), 5 * m_ch / 4);
    for (int x = 1; x < Schlangenbrett::kSpalten - 1; ++x)
        for (int y = 1; y < Schlangenbrett::kZeilen - 1; ++y)
            if (const int n = m_brett.feld(x, y); n > 0 && n <= Schlangenbrett::kZiele)
                schreibe(x, y, zielzeichen(n), farbe::schwarz);
    aufbau(m_brett.x(), m_brett.y(), true);
    ima->update();
}

// Text rows overlap the cells above and below: no background, so that
// neighbours keep their ink.
void Trea07::schreibe(int x, int y, const QString& text, const QColor& farbe)
{
    Leinwand& c = ima->canvas();
    c.pinselKlar = true;
    c.schriftFarbe = farbe;
    c.text(x * m_cw - 5, y * m_ch - 35, text);
    c.pinselKlar = false;
}

// Clears the ink of a character only: its text cell reaches into the next rows.
void Trea07::loesche(int x, int y, const QString& text)
{
    Leinwand& c = ima->canvas();
    const QFontMetrics fm(c.schrift);
    const QRect tinte =
        fm.boundingRect(text.at(0)).translated(x * m_cw - 5, y * m_ch - 35 + fm.ascent()).adjusted(-1, -1, 1, 1);
    c.pinselKlar = false;
    c.pinselFarbe = farbe::silber;
    c.fuellen(tinte.left(), tinte.top(), tinte.right() + 1, tinte.bottom() + 1);
}

void Trea07::aufbau(int x, int y, bool zeigen)
{
    if (zeigen)
        schreibe(x, y, kMarke, farbe::rot);
    else
        loesche(x, y, kMarke);
}

void Trea07::aufbau1(int x, int y) { loesche(x, y, zielzeichen(m_brett.naechstes() - 1)); }

bool Trea07::FormShortCut(int taste, QKeyEvent*)
{
    switch (taste) {
    case taste::kEsc: close(); break;  // like the close box: the run is recorded
    case taste::kLinks: schritt(-1, 0); break;
    case taste::kHoch: schritt(0, -1); break;
    case taste::kRechts: schritt(1, 0); break;
    case taste::kRunter: schritt(0, 1); break;
    default: return false;
    }
    return true;
}

void Trea07::schritt(int dx, int dy)
{
    if (!m_lauf.laeuft() || !m_angelegt)
        return;
    const int ax = m_brett.x(), ay = m_brett.y();
    const Schlangenbrett::Schritt s = m_brett.schritt(dx, dy);
    if (s == Schlangenbrett::Schritt::Wand)
        return;
    aufbau(ax, ay, false);
    aufbau(m_brett.x(), m_brett.y(), true);
    if (s == Schlangenbrett::Schritt::Ziel || s == Schlangenbrett::Schritt::Geschafft) {
        aufbau1(m_brett.x(), m_brett.y());
        m_lauf.punkte += kProZiel;
        zeigeZiel();
        aufbau(m_brett.x(), m_brett.y(), true);
    }
    ima->update();
    if (s == Schlangenbrett::Schritt::Fehler)
        dialog::zeige(QStringLiteral("Fehler!"));
    else if (s == Schlangenbrett::Schritt::Geschafft)
        dialog::zeige(QStringLiteral("GESCHAFFT!"));
    else
        return;
    close();  // FormClose records, also when the window was closed meanwhile
}

// The desktop may frame the window after it is shown: the board follows.
void Trea07::resizeEvent(QResizeEvent* e)
{
    Form::resizeEvent(e);
    if (!m_angelegt)
        return;
    anordnen();
    ima->loeschen(farbe::buttonFace());
    zeichneBrett();
}
