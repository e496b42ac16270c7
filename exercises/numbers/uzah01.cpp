#include "exercises/numbers/uzah01.h"

#include "common/textformat.h"
#include "exercises/numbers/fensterteile.h"
#include "platform/anwendung.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/schriften.h"
#include "platform/tasten.h"

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

Tzah01::Tzah01(const Zahlart& art) : m_art(art)
{
    using A = Zahlart::Anzeige;
    setObjectName(art.klasse);
    setWindowTitle(art.titel);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setzeFarbe(art.anzeige == A::Kette ? farbe::aktiverRahmen() : farbe::buttonFace());
    setFont(schrift::font(QStringLiteral("Arial"), 32));
    setzeKeyPreview(art.anzeige == A::Brett);

    start = teile::knopf(this, QStringLiteral("start"), QStringLiteral("Start"));
    connect(start, &QPushButton::clicked, this, [this] { schuetze([this] { startClick(); }); });

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
    eingabe = teile::eingabefeld(this, brett ? 2 : 5, brett ? 19 : 32);
    eingabe->hide();
    if (art.anzeige == A::Kette)
        m_dezimal.emplace(eingabe);
    new Tastenhaken(
        eingabe, [this](int z) { return eingabeKeyPress(z); }, [this](int t) { eingabeKeyUp(t); });

    rifa = teile::etikett(this, QStringLiteral("rifa"), QStringLiteral("Arial"), 19);
    rifa->setAttribute(Qt::WA_TransparentForMouseEvents);
    weiter = teile::knopf(this, QStringLiteral("weiter"), QStringLiteral("weiter"));
    weiter->hide();
    connect(weiter, &QPushButton::clicked, this, [this] { schuetze([this] { weiterClick(); }); });
    aufzahl = teile::etikett(this, QStringLiteral("aufzahl"), QStringLiteral("Arial"), brett ? 19 : 16);
    aufzahl->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    aufzahl->hide();

    setzeMaximiert(true);
    anordnen();
}

void Tzah01::anordnen()
{
    using A = Zahlart::Anzeige;
    const int w = width();
    const int h = height();
    teile::mittig(start, 10);
    aufzahl->resize(120, aufzahl->height());
    aufzahl->move((w - aufzahl->width()) * 11 / 12, 10);
    rifa->resize(w * 2 / 3, rifa->height());
    weiter->move((w - weiter->width()) * 5 / 6, h * 4 / 5);
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

void Tzah01::FormShow() { anordnen(); }

void Tzah01::FormClose()
{
    m_lauf.abbrechen();
    m_offen = false;
    start->show();
    weiter->hide();
    eingabe->hide();
    aufzahl->hide();
    zeigeText(QString());
    rifa->clear();
    eingabe->setReadOnly(false);
    m_k = 0;
}

void Tzah01::startClick()
{
    using A = Zahlart::Anzeige;
    m_k = 1;
    m_level = m_art.startlevel;
    m_richtig = 0;
    m_benutzt.fill(false);
    aufzahl->setText(QStringLiteral("1/ %1").arg(kAufgaben));
    if (m_art.anzeige == A::Zahl || m_art.anzeige == A::Kette) {
        // the panel behind the task, painted once per run
        Leinwand& c = canvas();
        c.pinselFarbe = farbe::silber;
        c.pinselKlar = false;
        c.fuellen(width() / 6, height() / 6, width() * 5 / 6, height() * 3 / 4);
        update();
    }
    naechsteAufgabe();
    m_lauf.starte(kAufgaben);
    eingabe->show();
    eingabe->setReadOnly(false);
    eingabe->setFocus();
    eingabe->clear();
    start->hide();
    aufzahl->show();
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
    m_offen = true;
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
    return (zeichen >= '0' && zeichen <= '9') || zeichen == taste::kRueck || zeichen == taste::kEnter
           || zeichen == taste::kEsc;
}

void Tzah01::eingabeKeyUp(int t)
{
    if (t == taste::kEsc) {
        close();  // nothing is recorded
        return;
    }
    // judged once: Enter in the read-only field after the verdict does nothing
    if (t != taste::kEnter || !m_offen)
        return;
    if (m_dezimal) {
        const dezimal::Urteil u = m_dezimal->enter(static_cast<float>(m_aufgabe.loesung));
        if (u == dezimal::Urteil::Richtig || u == dezimal::Urteil::Falsch)
            urteile(u == dezimal::Urteil::Richtig);
        return;
    }
    const QString text = eingabe->text();
    if (text.isEmpty() || text.size() > 9)
        return;
    urteile(textformat::strToInt(text) == m_aufgabe.loesung);
}

void Tzah01::urteile(bool richtig)
{
    m_offen = false;
    if (richtig) {
        rifa->setText(QStringLiteral("RICHTIG!"));
        m_lauf.punkte += 100.0f;
        if (++m_richtig == m_art.schritt) {
            m_richtig = 0;
            ++m_level;
        }
    } else {
        const bool mitLoesung = m_art.anzeige == Zahlart::Anzeige::Brett || m_art.anzeige == Zahlart::Anzeige::Kette;
        rifa->setText((mitLoesung ? QStringLiteral("FEHLER! Lösung: ") : QStringLiteral("FEHLER! "))
                      + QString::number(m_aufgabe.loesung));
    }
    weiter->show();
    weiter->setFocus();
    eingabe->setReadOnly(true);
}

void Tzah01::weiterClick()
{
    if (!m_lauf.laeuft())
        return;
    eingabe->setReadOnly(false);
    ++m_k;
    aufzahl->setText(QStringLiteral("%1/ %2").arg(m_k).arg(kAufgaben));
    eingabe->clear();
    rifa->clear();
    if (m_k != kAufgaben + 1) {
        naechsteAufgabe();
        eingabe->setFocus();
        eingabe->clear();
        weiter->hide();
        return;
    }
    start->show();
    weiter->hide();
    m_k = 0;
    zeigeText(QString());
    eingabe->hide();
    aufzahl->hide();
    m_lauf.beende(this, m_art.programm, m_lauf.abschluss());
}
