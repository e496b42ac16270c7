#include "exercises/reaction/ukon07.h"

#include "common/zufall.h"
#include "exercises/shared/fensterteile.h"
#include "exercises/shared/wortliste.h"
#include "platform/anwendung.h"
#include "platform/farben.h"
#include "platform/tasten.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

namespace {
constexpr int kAufgaben = 15;
}

const std::vector<Kettenart>& Tkon07::mitglieder()
{
    using A = Kettenart::Anzeige;
    using Z = Kettenart::Zeichen;
    using F = Kettenart::Fehler;
    auto s = [](const char* t) { return QString::fromUtf8(t); };
    // start, display top, height, width, answer field, leer, rifa (0 as height: the label's own)
    const Kettenart::Lage zeilen{{1, 20}, {1, 8}, {1, 2}, {1, 2}, {7, 10}, {4, 5}, {4, 5}, false};
    const Kettenart::Lage kette{{1, 100}, {1, 5}, {0, 1}, {1, 2}, {3, 5}, {1, 2}, {4, 5}, true};
    const Kettenart::Lage schluessel{{1, 100}, {1, 10}, {2, 5}, {9, 10}, {3, 5}, {1, 2}, {4, 5}, false};
    static const std::vector<Kettenart> tabelle{
        {76, s("Tkon07"), s("Ketten I"), A::Memo, 37, Z::EinsBisFuenf, 1, true, true, F::MitLoesung, 3, 3,
         ketten::zeilen, false, zeilen},
        {77, s("Tkon08"), s("Ketten II"), A::Ausgabe, 64, Z::Buchstaben, 10, true, false, F::KetteNochmal, 3, 3,
         ketten::buchstaben, false, kette},
        {78, s("Tkon09"), s("Ketten III"), A::Ausgabe, 64, Z::Ziffern, 10, true, false, F::KetteNochmal, 3, 1,
         ketten::ziffern, false, kette},
        {80, s("Tkon11"), s("Schlüssel"), A::Memo, 64, Z::Ziffern, 8, false, false, F::Loesung, 1, 1,
         ketten::schluessel, false, schluessel},
        {83, s("Tkon14"), s("Wortschlüssel"), A::Memo, 64, Z::Buchstaben, 10, true, false, F::Loesung, 0, 0,
         ketten::wortschluessel, true, schluessel},
    };
    return tabelle;
}

Tkon07::Tkon07(const Kettenart& art)
    : Antwortfenster(art.klasse, art.titel, farbe::buttonFace(), art.programm, kAufgaben), m_art(art)
{
    if (art.anzeige == Kettenart::Anzeige::Memo) {
        memo = teile::memo(this, QStringLiteral("memo"), QStringLiteral("Courier New"), art.schrifthoehe,
                           farbe::gelb);
    } else {
        ausgabe = teile::etikett(this, QStringLiteral("ausgabe"), QStringLiteral("Times New Roman"),
                                 art.schrifthoehe);
        ausgabe->setAutoFillBackground(true);
        QPalette p = ausgabe->palette();
        p.setColor(QPalette::Window, farbe::gelb);
        ausgabe->setPalette(p);
    }
    leer = teile::knopf(this, QStringLiteral("leer"), QStringLiteral("weiter"));
    leer->hide();
    connect(leer, &QPushButton::clicked, this, [this] { schuetze([this] { leerClick(); }); });
    baueAntwort(art.laenge, 32, 16);
    m_stufe.laenge = art.startlaenge;

    setzeMaximiert(true);
    anordnen();
}

void Tkon07::anordnen()
{
    Antwortfenster::anordnen();
    const Kettenart::Lage& l = m_art.lage;
    const int w = width();
    const int h = height();
    QWidget* anzeige = memo ? static_cast<QWidget*>(memo) : ausgabe;
    const int hoehe = l.anzeigeHoehe.z ? l.anzeigeHoehe.von(h) : anzeige->height();
    anzeige->resize(l.anzeigeBreite.von(w), hoehe);
    teile::mittig(anzeige, l.anzeigeOben.von(h));
    teile::mittig(start, l.start.von(h));
    teile::mittig(eingabe, l.eingabe.von(h));
    teile::mittig(leer, l.leer.von(h));
    teile::mittig(rifa, l.rifa.von(h));
    if (l.weiterBeiFuenfSechsteln)
        weiter->move(w * 5 / 6, weiter->y());
    // the verdict label spans the middle; the buttons stay clickable above it
    leer->raise();
    weiter->raise();
}

void Tkon07::vorbereiten()
{
    if (m_art.woerter)
        m_vorrat.woerter = wortliste::ersteWoerter();
    zufall::randomize();
    m_vorrat.richtige = 0;
    // L before the first task is made, the same at every opening
    m_stufe = {m_art.startlaenge, 0};
}

void Tkon07::naechsteAufgabe()
{
    m_aufgabe = m_art.aufgabe(m_stufe.laenge, m_vorrat);
    zeige(m_aufgabe.zuerst);
}

void Tkon07::aufgabeGezeigt()
{
    // the item is memorised first; leer hides it and opens the field
    eingabe->hide();
    leer->show();
    leer->setFocus();
}

void Tkon07::leerClick()
{
    if (!m_lauf.laeuft() || leer->isHidden())
        return;
    eingabe->show();
    eingabe->setReadOnly(false);
    eingabe->setFocus();
    eingabe->clear();
    leer->hide();
    zeige(m_aufgabe.danach);
}

void Tkon07::leereAnzeige() { zeige({}); }

void Tkon07::zeige(const QString& text)
{
    if (memo)
        teile::setzeMemo(memo, text);
    else
        ausgabe->setText(text);
}

bool Tkon07::eingabeKeyPress(int z)
{
    if (z == taste::kRueck || z == taste::kEnter)
        return true;
    if (z == taste::kEsc)
        return m_art.escImFeld;
    switch (m_art.zeichen) {
    case Kettenart::Zeichen::EinsBisFuenf: return z >= '1' && z <= '5';
    case Kettenart::Zeichen::Ziffern: return z >= '0' && z <= '9';
    case Kettenart::Zeichen::Buchstaben:
        if (z >= 'a' && z <= 'z') {
            // the capital goes in instead; the field keeps its length limit
            if (!eingabe->isReadOnly())
                eingabe->insert(QString(QChar(z - 'a' + 'A')));
            return false;
        }
        return z >= 'A' && z <= 'Z';
    }
    return false;
}

void Tkon07::pruefe()
{
    const QString text = eingabe->text();
    if (text.isEmpty() || text.size() > 9)
        return;
    // a number pasted through the field's menu may be none: the conversion error ends the handler here
    const bool richtig = m_art.zahl ? ganzeAntwort() == m_aufgabe.loesung.toInt() : text == m_aufgabe.loesung;
    ketten::schritt(m_stufe, richtig, m_art.mindestlaenge);
    if (richtig)
        ++m_vorrat.richtige;
    QString fehler;
    switch (m_art.fehler) {
    case Kettenart::Fehler::MitLoesung: fehler = QStringLiteral("FEHLER! Lösung: ") + m_aufgabe.loesung; break;
    case Kettenart::Fehler::KetteNochmal:
        fehler = QStringLiteral("FEHLER!");
        if (!richtig)
            zeige(m_aufgabe.zuerst);
        break;
    case Kettenart::Fehler::Loesung: fehler = m_aufgabe.loesung; break;
    }
    urteile(richtig, fehler);
}

void Tkon07::FormClose()
{
    Antwortfenster::FormClose();
    leer->hide();
    m_stufe = {m_art.startlaenge, 0};
    m_vorrat.richtige = 0;
}
