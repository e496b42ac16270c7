#include "exercises/numbers/uson13.h"

#include "exercises/shared/fensterteile.h"
#include "exercises/shared/symboltabelle.h"
#include "platform/farben.h"
#include "platform/schriften.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace {

constexpr int kLuecke = 8;  // between the legend buttons and around them

// A panel of five legend buttons, numbered from erster.
QFrame* legendenpanel(QWidget* eltern, const QString& name, int erster, std::array<QPushButton*, 10>& knoepfe)
{
    auto* p = new QFrame(eltern);
    p->setObjectName(name);
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    const QFont schrift = symbolschrift(24);
    const QFontMetrics fm(schrift);
    // wide enough for the widest sign of the table
    int breite = 0;
    for (int i = 1; i <= kSymbole; ++i)
        breite = std::max(breite, fm.horizontalAdvance(Symboltabelle(i).zeichen + QStringLiteral(" = 0")));
    breite += 24;
    const int hoehe = fm.height() + 16;
    for (int j = 0; j < 5; ++j) {
        auto* b = new QPushButton(p);
        b->setObjectName(QStringLiteral("Button%1").arg(erster + j));
        b->setFont(schrift);
        // the legend has no action; a click leaves the focus in the answer field
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(kLuecke + j * (breite + kLuecke), kLuecke, breite, hoehe);
        knoepfe[erster + j - 1] = b;
    }
    p->resize(kLuecke + 5 * (breite + kLuecke), hoehe + 2 * kLuecke);
    p->hide();
    return p;
}

}

Tson13::Tson13()
    : Antwortfenster(QStringLiteral("Tson13"), QStringLiteral("Symbolrechnen"), farbe::buttonFace(), kProgramm,
                     kAufgaben)
{
    setzeKeyPreview(true);
    panel1 = legendenpanel(this, QStringLiteral("panel1"), 1, legende);
    panel2 = legendenpanel(this, QStringLiteral("panel2"), 6, legende);
    aufgabe = teile::etikett(this, QStringLiteral("aufgabe"), QStringLiteral("Symbol"), 48);
    aufgabe->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    baueAntwort(3, 48, 19);
    rifa->setFont(schrift::font(QStringLiteral("Arial"), 32));
    rifa->resize(rifa->width(), 32 * 3 / 2);
    setzeMaximiert(true);
}

void Tson13::anordnen()
{
    Antwortfenster::anordnen();
    const int w = width();
    const int h = height();
    // the legend is centred in the outer width; the verdict and "weiter" stand
    // at parts of the outer height
    const QSize aussen = aussenmass();
    const int links = (aussen.width() - panel1->width()) / 2;
    panel1->move(links, h / 10);
    panel2->move(links, h / 2);
    aufgabe->setGeometry(w * 3 / 10, h * 3 / 10, w * 4 / 10 - 20, aufgabe->height());
    eingabe->move(w * 7 / 10, h * 3 / 10);
    teile::mittig(rifa, aussen.height() * 14 / 20);
    weiter->move((w - weiter->width()) * 5 / 6, aussen.height() * 4 / 5);
    weiter->raise();
}

void Tson13::vorbereiten()
{
    m_code = symbolrechnen::ziehe();
    for (int j = 0; j < 10; ++j)
        legende[j]->setText(m_code[j] + QStringLiteral(" = %1").arg(j));
    panel1->show();
    panel2->show();
}

void Tson13::naechsteAufgabe()
{
    m_aufgabe = symbolrechnen::aufgabe(m_code);
    aufbau();
}

void Tson13::aufbau() { aufgabe->setText(m_aufgabe.zeichen); }

void Tson13::leereAnzeige() { aufgabe->clear(); }

void Tson13::pruefe()
{
    if (const std::optional<int> zahl = ganzeAntwort())
        urteile(*zahl == m_aufgabe.ergebnis, QStringLiteral("FEHLER!  ") + m_aufgabe.klar);
}

void Tson13::FormClose()
{
    Antwortfenster::FormClose();
    panel1->hide();
    panel2->hide();
}
