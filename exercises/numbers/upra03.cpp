#include "exercises/numbers/upra03.h"

#include "common/fehler.h"
#include "common/satzdatei.h"
#include "common/zustand.h"
#include "common/zufall.h"
#include "exercises/shared/fensterteile.h"
#include "platform/farben.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <algorithm>

const std::vector<Textart>& Tpra03::mitglieder()
{
    auto s = [](const char* t) { return QString::fromUtf8(t); };
    static const std::vector<Textart> tabelle{
        {30, s("Tpra03"), s("Zweisatz"), s("zweisatz.dat"), 250, 35, 10, 1, false},
        {27, s("Tsach03"), s("Textaufgaben I"), s("sach03.dat"), 160, 80, 20, 1, false},
        {28, s("Tsach04"), s("Textaufgaben II"), s("sach04.dat"), 160, 120, 20, 1, false},
        {29, s("Tsach05"), s("Zahlenrätsel"), s("sach05.dat"), 160, 24, 20, 1, false},
        {31, s("Tpra04"), s("Dreisatz"), s("dreisatz.dat"), 250, 50, 10, 1, false},
        {32, s("Tsac07"), s("Bruchrechnung"), s("vmbruch.dat"), 160, 72, 15, 10, true},
        {33, s("Tsac08"), s("Geometrie"), s("vmgeomet.dat"), 160, 24, 15, 10, true},
    };
    return tabelle;
}

Tpra03::Tpra03(const Textart& art)
    : Antwortfenster(art.klasse, art.titel, farbe::aktiverRahmen(), art.programm, art.aufgaben, art.zeitteiler),
      m_art(art),
      m_antwort(nullptr)
{
    ausgabe = teile::memo(this, QStringLiteral("ausgabe"), QStringLiteral("Arial"), 27,
                          art.hellesMemo ? farbe::licht3d() : farbe::rollbalken());
    baueAntwort(5, 32, 16);
    m_antwort = Dezimalantwort(eingabe);

    setzeMaximiert(true);
    anordnen();
}

void Tpra03::anordnen()
{
    Antwortfenster::anordnen();
    const int w = width();
    const int h = height();
    // room for the longest question in six lines, but never down to the answer field
    const int zeilen = QFontMetrics(ausgabe->font()).lineSpacing() * 6 + 16;
    ausgabe->resize(w * 4 / 5, std::min(zeilen, h * 2 / 5 - 10));
    teile::mittig(ausgabe, h / 5);
    teile::mittig(eingabe, h * 7 / 10);
    teile::mittig(rifa, h * 9 / 10);
}

void Tpra03::vorbereiten()
{
    aufgabenzahl = m_art.aufgaben;
    Satzdatei datei(m_art.datei, m_art.kapazitaet + 1);
    // a file too short for the draw fails at once, not only when a late record is drawn
    if (datei.satzzahl() < m_art.saetze)
        throw EAFehler(100);
    zufall::randomize();
    m_gezogen.clear();
    for (int i : zufall::ohneWiederholung(m_art.aufgaben, m_art.saetze)) {
        datei.positioniere(i - 1);
        m_gezogen << datei.liesText();
    }
    datei.schliesse();
}

// A solution that does not convert throws before the question is shown.
void Tpra03::naechsteAufgabe()
{
    m_antwort.neueAufgabe();
    m_aufgabe = TTextaufgabe::aus(m_gezogen.value(m_k - 1), m_art.kapazitaet);
    m_loesung = dezimal::einfach(m_aufgabe.loesungText);
    teile::setzeMemo(ausgabe, m_aufgabe.frage);
}

void Tpra03::leereAnzeige() { ausgabe->clear(); }

bool Tpra03::eingabeKeyPress(int zeichen) { return m_antwort.tastendruck(zeichen); }

void Tpra03::pruefe()
{
    const dezimal::Urteil u = m_antwort.enter(m_loesung);
    if (u == dezimal::Urteil::Richtig || u == dezimal::Urteil::Falsch)
        urteile(u == dezimal::Urteil::Richtig, QStringLiteral("FEHLER! Lösung: ") + m_aufgabe.loesungText);
}
