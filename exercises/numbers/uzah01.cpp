#include "exercises/numbers/uzah01.h"

#include "exercises/shared/fensterteile.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/schriften.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <algorithm>

namespace {
constexpr int kAufgaben = 20;
}

const std::vector<Zahlart>& Tzah01::mitglieder()
{
    using A = Zahlart::Anzeige;
    static const std::vector<Zahlart> tabelle{
        {13, QStringLiteral("Tzah01"), QStringLiteral("Zahlen tippen"), 1, 4, A::Zahl, aufgaben::tippen},
        {14, QStringLiteral("Tzah03"), QStringLiteral("Zählen"), 1, 4, A::Brett, aufgaben::zaehlen},
        {15, QStringLiteral("Tzah02"), QStringLiteral("Zahlwort"), 0, 5, A::Zahlwort, aufgaben::zahlwort},
        {16, QStringLiteral("Trec05"), QStringLiteral("Grundrechenarten"), 0, 4, A::Zahl, aufgaben::plusMinus},
        {17, QStringLiteral("Trec06"), QStringLiteral("Grundrechenarten"), 0, 4, A::Zahl, aufgaben::malGeteilt},
        {25, QStringLiteral("Tsach01"), QStringLiteral("Rechenketten"), 1, 4, A::Kette, aufgaben::kette},
    };
    return tabelle;
}

Tzah01::Tzah01(const Zahlart& art)
    : Antwortfenster(art.klasse, art.titel,
                     art.anzeige == Zahlart::Anzeige::Kette ? farbe::aktiverRahmen() : farbe::buttonFace(),
                     art.programm, kAufgaben),
      m_art(art)
{
    using A = Zahlart::Anzeige;
    setzeKeyPreview(art.anzeige == A::Brett);

    switch (art.anzeige) {
    case A::Zahl:
    case A::Zahlwort:
        ausgabe = teile::etikett(this, QStringLiteral("ausgabe"), QStringLiteral("Times New Roman"), 64);
        if (art.anzeige == A::Zahlwort) {
            ausgabe->setAutoFillBackground(true);
            QPalette p = ausgabe->palette();
            p.setColor(QPalette::Window, farbe::gelb);
            ausgabe->setPalette(p);
        }
        break;
    case A::Brett:
        pb = new Malflaeche(this, farbe::buttonFace());
        pb->setObjectName(QStringLiteral("pb"));
        break;
    case A::Kette:
        ausgabeMemo = teile::memo(this, QStringLiteral("ausgabe"), QStringLiteral("Arial"), 27, farbe::rollbalken());
        break;
    }

    const bool brett = art.anzeige == A::Brett;
    baueAntwort(brett ? 2 : 5, brett ? 19 : 32, brett ? 19 : 16);
    if (art.anzeige == A::Kette)
        m_dezimal.emplace(eingabe);

    setzeMaximiert(true);
    anordnen();
}

void Tzah01::anordnen()
{
    using A = Zahlart::Anzeige;
    Antwortfenster::anordnen();
    const int w = width();
    const int h = height();
    switch (m_art.anzeige) {
    case A::Zahl:
    case A::Zahlwort:
        ausgabe->resize(std::min(m_art.anzeige == A::Zahlwort ? 890 : 300, w - 20), ausgabe->height());
        teile::mittig(ausgabe, h / 5);
        teile::mittig(eingabe, h * 3 / 5);
        teile::mittig(rifa, h * 4 / 5);
        break;
    case A::Brett: {
        const int seite = h * 6 / 10;
        pb->resize(seite, seite);
        teile::mittig(pb, h / 20);
        teile::mittig(eingabe, h * 15 / 20);
        teile::mittig(rifa, h * 17 / 20);
        break;
    }
    case A::Kette:
        // a chain of five steps fits one line; a second one is spare
        ausgabeMemo->resize(w / 2, QFontMetrics(ausgabeMemo->font()).lineSpacing() * 2 + 16);
        teile::mittig(ausgabeMemo, h / 5);
        teile::mittig(eingabe, h * 7 / 10);
        teile::mittig(rifa, h * 9 / 10);
        break;
    }
    // the verdict label spans the middle; the button stays clickable above it
    weiter->raise();
}

void Tzah01::vorbereiten()
{
    using A = Zahlart::Anzeige;
    m_level = m_art.startlevel;
    m_richtig = 0;
    m_benutzt.fill(false);
    if (m_art.anzeige == A::Zahl || m_art.anzeige == A::Kette) {
        // the panel behind the task, painted once per run
        Leinwand& c = canvas();
        c.pinselFarbe = farbe::silber;
        c.pinselKlar = false;
        c.fuellen(width() / 6, height() / 6, width() * 5 / 6, height() * 3 / 4);
        update();
    }
}

void Tzah01::naechsteAufgabe()
{
    m_aufgabe = m_art.aufgabe(m_level, m_benutzt);
    if (m_art.anzeige == Zahlart::Anzeige::Brett)
        aufbau();
    else
        zeigeText(m_aufgabe.text);
    if (m_dezimal)
        m_dezimal->neueAufgabe();
}

int Tzah01::zellengroesse() const { return pb->width() / 6; }

void Tzah01::aufbau()
{
    const int zelle = zellengroesse();
    Leinwand& c = pb->canvas();
    c.pinselFarbe = farbe::lime;
    c.pinselKlar = false;
    c.fuellen(0, 0, 6 * zelle, 6 * zelle);
    const int hoehe = 2 * zelle / 3;
    c.schrift = schrift::font(QStringLiteral("Courier New"), hoehe);
    c.schriftFarbe = farbe::schwarz;
    for (int zeile = 0; zeile < 6; ++zeile)
        for (int spalte = 0; spalte < 6; ++spalte)
            if (m_aufgabe.feld[zeile * 6 + spalte])
                c.text(spalte * zelle + (zelle - hoehe) / 2, zeile * zelle + (zelle - hoehe) / 2, QStringLiteral("X"));
    pb->update();
}

void Tzah01::leereAnzeige() { zeigeText(QString()); }

void Tzah01::zeigeText(const QString& text)
{
    if (ausgabe)
        ausgabe->setText(text);
    if (ausgabeMemo)
        teile::setzeMemo(ausgabeMemo, text);
}

bool Tzah01::eingabeKeyPress(int zeichen)
{
    if (m_dezimal)
        return m_dezimal->tastendruck(zeichen);
    return Antwortfenster::eingabeKeyPress(zeichen);
}

void Tzah01::pruefe()
{
    if (m_dezimal) {
        const dezimal::Urteil u = m_dezimal->enter(static_cast<float>(m_aufgabe.loesung));
        if (u == dezimal::Urteil::Richtig || u == dezimal::Urteil::Falsch)
            bewerte(u == dezimal::Urteil::Richtig);
        return;
    }
    if (const std::optional<int> zahl = ganzeAntwort())
        bewerte(*zahl == m_aufgabe.loesung);
}

void Tzah01::bewerte(bool richtig)
{
    if (richtig && ++m_richtig == m_art.schritt) {
        m_richtig = 0;
        ++m_level;
    }
    const bool mitLoesung = m_art.anzeige == Zahlart::Anzeige::Brett || m_art.anzeige == Zahlart::Anzeige::Kette;
    urteile(richtig, (mitLoesung ? QStringLiteral("FEHLER! Lösung: ") : QStringLiteral("FEHLER! "))
                         + QString::number(m_aufgabe.loesung));
}
