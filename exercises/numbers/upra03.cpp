#include "platform/farben.h"
#include "exercises/numbers/upra03.h"

#include "common/fehler.h"
#include "common/punkte.h"
#include "common/satzdatei.h"
#include "common/zustand.h"
#include "common/zufall.h"
#include "exercises/numbers/fensterteile.h"
#include "platform/anwendung.h"
#include "platform/schriften.h"
#include "platform/tasten.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

Tpra03::Tpra03(const Textart& art) : m_art(art), m_antwort(nullptr)
{
    setObjectName(art.klasse);
    setWindowTitle(art.titel);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setzeFarbe(farbe::aktiverRahmen());
    setFont(schrift::font(QStringLiteral("Arial"), 32));

    start = teile::knopf(this, QStringLiteral("start"), QStringLiteral("Start"));
    connect(start, &QPushButton::clicked, this, [this] { schuetze([this] { startClick(); }); });
    ausgabe = teile::memo(this, QStringLiteral("ausgabe"), QStringLiteral("Arial"), 27,
                          art.hellesMemo ? farbe::licht3d() : farbe::rollbalken());
    eingabe = teile::eingabefeld(this, 5, 32);
    eingabe->hide();
    m_antwort = Dezimalantwort(eingabe);
    new Tastenhaken(
        eingabe, [this](int z) { return m_antwort.tastendruck(z); }, [this](int t) { eingabeKeyUp(t); });
    rifa = teile::etikett(this, QStringLiteral("rifa"), QStringLiteral("Arial"), 19);
    rifa->setAttribute(Qt::WA_TransparentForMouseEvents);
    weiter = teile::knopf(this, QStringLiteral("weiter"), QStringLiteral("weiter"));
    weiter->hide();
    connect(weiter, &QPushButton::clicked, this, [this] { schuetze([this] { weiterClick(); }); });
    aufzahl = teile::etikett(this, QStringLiteral("aufzahl"), QStringLiteral("Arial"), 16);
    aufzahl->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    aufzahl->hide();

    setzeMaximiert(true);
    anordnen();
}

void Tpra03::anordnen()
{
    const int w = width();
    const int h = height();
    teile::mittig(start, 10);
    aufzahl->resize(120, aufzahl->height());
    aufzahl->move((w - aufzahl->width()) * 11 / 12, 10);
    // room for the longest question in six lines, but never down to the answer field
    const int zeilen = QFontMetrics(ausgabe->font()).lineSpacing() * 6 + 16;
    ausgabe->resize(w * 4 / 5, std::min(zeilen, h * 2 / 5 - 10));
    teile::mittig(ausgabe, h / 5);
    teile::mittig(eingabe, h * 7 / 10);
    rifa->resize(w * 2 / 3, rifa->height());
    teile::mittig(rifa, h * 9 / 10);
    weiter->move((w - weiter->width()) * 5 / 6, h * 4 / 5);
}

void Tpra03::FormShow() { anordnen(); }

void Tpra03::FormClose()
{
    m_lauf.abbrechen();
    m_offen = false;
    start->show();
    weiter->hide();
    eingabe->hide();
    aufzahl->hide();
    ausgabe->clear();
    rifa->clear();
    eingabe->setReadOnly(false);
    m_k = 0;
}

void Tpra03::startClick()
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
    m_k = 1;
    aufzahl->setText(QStringLiteral("1/ %1").arg(m_art.aufgaben));
    aufgabe();  // a solution that does not convert leaves the window idle
    m_lauf.starte(m_art.aufgaben);
    teile::setzeMemo(ausgabe, m_aufgabe.frage);
    eingabe->show();
    eingabe->setReadOnly(false);
    eingabe->setFocus();
    eingabe->clear();
    start->hide();
    aufzahl->show();
}

void Tpra03::aufgabe()
{
    m_antwort.neueAufgabe();
    m_aufgabe = TTextaufgabe::aus(m_gezogen.value(m_k - 1), m_art.kapazitaet);
    m_loesung = dezimal::einfach(m_aufgabe.loesungText);
    m_offen = true;
}

void Tpra03::eingabeKeyUp(int t)
{
    if (t == taste::kEsc) {
        close();  // nothing is recorded
        return;
    }
    // judged once: Enter in the read-only field after the verdict does nothing
    if (t != taste::kEnter || !m_offen)
        return;
    const dezimal::Urteil u = m_antwort.enter(m_loesung);
    if (u == dezimal::Urteil::Richtig || u == dezimal::Urteil::Falsch)
        urteile(u == dezimal::Urteil::Richtig);
}

void Tpra03::urteile(bool richtig)
{
    m_offen = false;
    if (richtig) {
        rifa->setText(QStringLiteral("RICHTIG!"));
        m_lauf.punkte += 100.0f;
    } else {
        rifa->setText(QStringLiteral("FEHLER! Lösung: ") + m_aufgabe.loesungText);
    }
    weiter->show();
    weiter->setFocus();
    eingabe->setReadOnly(true);
}

void Tpra03::weiterClick()
{
    if (!m_lauf.laeuft())
        return;
    eingabe->setReadOnly(false);
    ++m_k;
    aufzahl->setText(QStringLiteral("%1/ %2").arg(m_k).arg(m_art.aufgaben));
    ausgabe->clear();
    rifa->clear();
    if (m_k != m_art.aufgaben + 1) {
        // a solution that does not convert leaves the question empty and
        // "weiter" visible; the next press moves on
        aufgabe();
        teile::setzeMemo(ausgabe, m_aufgabe.frage);
        eingabe->setFocus();
        eingabe->clear();
        weiter->hide();
        return;
    }
    start->show();
    weiter->hide();
    m_k = 0;
    ausgabe->clear();
    eingabe->hide();
    aufzahl->hide();
    const float endpunkte = punkte::abschluss(m_lauf.punkte, m_lauf.sekunden() / m_art.zeitteiler);
    m_lauf.beende(this, m_art.programm, endpunkte);
}
