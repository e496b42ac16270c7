#include "exercises/reaction/ukon01.h"

#include "exercises/shared/fensterteile.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/schriften.h"
#include "platform/tasten.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

const std::vector<Gitterart>& Tkon01::mitglieder()
{
    using Z = gitterquiz::Zeichenklasse;
    namespace g = gitterquiz;
    // the caps: "Doppelbuch" draws L + 4 of 26 letters, the sorted answers fit
    // 8 characters, a sum of 11 digits fits 2
    static const std::vector<Gitterart> tabelle{
        {73, QStringLiteral("Tkon01"), QStringLiteral("Doppelte Buchstaben"), 20, false, farbe::lime, Z::Buchstaben,
         1, false, g::doppelbuch, {0, 2, 0, 22}},
        {74, QStringLiteral("Tkon05"), QStringLiteral("Ziffern in Buchstaben"), 20, false, farbe::aqua, Z::Ziffern09,
         2, true, g::ziffInBuch, {1, 0, 5, 4}},
        {75, QStringLiteral("Tkon06"), QStringLiteral("Unterschiede"), 20, true, QColor(), Z::Ziffern09, 1, true,
         g::unterschiede, {0, 0, 0, 0}},
        {79, QStringLiteral("Tkon10"), QStringLiteral("Ziffer fehlt"), 15, false, farbe::lime, Z::Ziffern19, 2, true,
         g::zifferFehlt, {0, 0, 0, 0}},
        {81, QStringLiteral("Tkon12"), QStringLiteral("Buchstaben sortieren"), 15, false, farbe::lime, Z::Buchstaben,
         8, false, g::buchsort, {2, 3, 0, 8}},
        {82, QStringLiteral("Tkon13"), QStringLiteral("Ziffern sortieren"), 15, false, farbe::lime, Z::Ziffern19, 8,
         false, g::ziffsort, {2, 3, 0, 8}},
        {65, QStringLiteral("Trea06"), QStringLiteral("Ziffernsumme"), 20, false, farbe::aqua, Z::Ziffern09, 2, true,
         g::ziffernsumme, {2, 3, 0, 11}},
    };
    return tabelle;
}

Tkon01::Tkon01(const Gitterart& art)
    : Antwortfenster(art.klasse, art.titel, farbe::buttonFace(), art.programm, art.aufgaben), m_art(art)
{
    if (art.zeilen) {
        const auto zeile = [this](const QString& name) {
            QLabel* l = teile::etikett(this, name, QStringLiteral("Arial"), 32);
            l->setAutoFillBackground(true);
            QPalette p = l->palette();
            p.setColor(QPalette::Window, farbe::gelb);
            l->setPalette(p);
            return l;
        };
        aus1 = zeile(QStringLiteral("aus1"));
        aus2 = zeile(QStringLiteral("aus2"));
    } else {
        pb = new Malflaeche(this, farbe::buttonFace());
        pb->setObjectName(QStringLiteral("pb"));
    }
    baueAntwort(art.laenge, art.zeilen ? 32 : 19, 19);
    // "Unterschiede" shows Start again before its message; the grids leave it
    // to closing, so it does not show behind the message window
    m_startVorEnde = art.zeilen;
    setzeMaximiert(true);
    anordnen();
}

void Tkon01::anordnen()
{
    Antwortfenster::anordnen();
    const int w = width();
    const int h = height();
    if (pb) {
        const int seite = h * 13 / 20;
        pb->resize(seite, seite);
        teile::mittig(pb, h / 20);
        teile::mittig(eingabe, h * 15 / 20);
        teile::mittig(rifa, h * 17 / 20);
    } else {
        aus1->setGeometry(w / 20, h / 5, w * 2 / 5, aus1->height());
        aus2->setGeometry(w * 11 / 20, h / 5, w * 2 / 5, aus2->height());
        teile::mittig(eingabe, h * 3 / 5);
        teile::mittig(rifa, h * 4 / 5);
    }
    // the verdict label spans the middle; the button stays clickable above it
    weiter->raise();
}

// once per show: a message box does not hide the grid again
void Tkon01::FormActivate()
{
    if (m_art.zeilen)
        return;
    m_lauf.punkte = 100.0f;
    pb->hide();
}

void Tkon01::vorbereiten()
{
    m_richtige = 0;
    if (pb)
        pb->show();
}

void Tkon01::naechsteAufgabe()
{
    m_aufgabe = m_art.aufgabe(gitterquiz::stufe(m_art.regel, m_k, m_richtige));
    if (pb) {
        aufbau();
    } else {
        aus1->setText(m_aufgabe.aus1);
        aus2->setText(m_aufgabe.aus2);
    }
}

int Tkon01::zelle() const { return pb->width() / 6; }

void Tkon01::aufbau()
{
    const int z = zelle();
    Leinwand& c = pb->canvas();
    c.pinselKlar = false;
    for (const QColor& f : {farbe::buttonFace(), m_art.gitterfarbe}) {
        c.pinselFarbe = f;
        c.fuellen(0, 0, 6 * z, 6 * z);
    }
    const int hoehe = 2 * z / 3;
    c.schrift = schrift::font(QStringLiteral("Courier New"), hoehe);
    c.schriftFarbe = farbe::schwarz;
    c.pinselKlar = true;
    for (int zeile = 0; zeile < 6; ++zeile)
        for (int spalte = 0; spalte < 6; ++spalte)
            if (const QChar ch = m_aufgabe.feld[zeile * 6 + spalte]; ch != gitterquiz::kLeer)
                c.text(spalte * z + (z - hoehe) / 2, zeile * z + (z - hoehe) / 2, QString(ch));
    pb->update();
}

// The grid is filled afresh by aufbau; the rows are emptied, at the end before
// the message window.
void Tkon01::leereAnzeige()
{
    if (aus1) {
        aus1->clear();
        aus2->clear();
    }
}

bool Tkon01::eingabeKeyPress(int zeichen)
{
    if (zeichen == taste::kRueck || zeichen == taste::kEnter || zeichen == taste::kEsc)
        return true;
    if (zeichen < 32)
        return false;  // Ctrl+V and the like
    const std::optional<QChar> c = gitterquiz::filtere(m_art.zeichen, QChar(zeichen));
    if (!c)
        return false;
    if (*c == QChar(zeichen))
        return true;
    // a small letter goes in as its capital
    if (!eingabe->isReadOnly())
        eingabe->insert(QString(*c));
    return false;
}

void Tkon01::pruefe()
{
    bool richtig = false;
    if (m_art.zahl) {
        // a pasted text that is no number stops here with the conversion error
        const std::optional<int> zahl = ganzeAntwort();
        if (!zahl)
            return;
        richtig = *zahl == m_aufgabe.loesung.toInt();
    } else {
        const QString text = eingabe->text();
        if (text.isEmpty() || text.size() > 9)
            return;
        richtig = text == m_aufgabe.loesung;
    }
    if (richtig)
        ++m_richtige;
    urteile(richtig, QStringLiteral("FEHLER! Lösung: ") + m_aufgabe.loesung);
}

void Tkon01::FormClose()
{
    Antwortfenster::FormClose();
    // a closed window keeps no picture
    if (pb)
        pb->freigeben();
}
