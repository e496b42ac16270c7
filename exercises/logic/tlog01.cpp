#include "exercises/logic/tlog01.h"

#include "common/fehler.h"
#include "common/satzdatei.h"
#include "common/zufall.h"
#include "common/zustand.h"
#include "exercises/shared/fensterteile.h"
#include "platform/farben.h"
#include "platform/tasten.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <algorithm>

const std::vector<Logikart>& Tlog01::mitglieder()
{
    using L = Logikart::Leser;
    auto s = [](const char* t) { return QString::fromUtf8(t); };
    const QString ziffern = s("0123456789");
    const QString weiter = s("weiter");
    static const std::vector<Logikart> tabelle{
        {97, s("Tlog01"), s("Logische Reihen"), s("logikwin.dat"), 41, 27, 10, L::Reihe, ziffern, 3,
         s("Wie heißt die nächste Zahl?"), weiter, 4, 8, 12},
        // the task text above its five options
        {98, s("Tlog02"), s("A ZU B"), s("azubwin.dat"), 81, 32, 10, L::AzuB, s("12345"), 1, {}, weiter, 5, 2, 13},
        {99, s("Tlog03"), s("4 zu 1"), s("waspawin.dat"), 101, 30, 10, L::WasPasst, s("12345"), 1,
         s("Welches Wort gehört nicht dazu?"), weiter, 5, 2, 13},
        {100, s("Tlog08"), s("Sprachlogik"), s("splogwin.dat"), 131, 80, 20, L::Sprachlogik, s("12"), 1, {},
         s("Enter"), 8, 3, 12},
        {103, s("Tson01"), s("Wochentage"), s("jwochwin.dat"), 101, 18, 10, L::Wochentag, s("1234567"), 1,
         s("MONTAG=1   DIENSTAG=2   MITTWOCH=3   \nDONNERSTAG=4 \nFREITAG=5   SAMSTAG=6   SONNTAG=7"), weiter, 4,
         7, 12},
    };
    return tabelle;
}

Tlog01::Tlog01(const Logikart& art)
    : Antwortfenster(art.klasse, art.titel, farbe::aktiverRahmen(), art.programm, art.aufgaben), m_art(art)
{
    ausgabe = teile::memo(this, QStringLiteral("ausgabe"), QStringLiteral("Arial"), 24, farbe::rollbalken());
    Memo = teile::memo(this, QStringLiteral("Memo"), QStringLiteral("Arial"), 19, farbe::aktiverRahmen());
    teile::setzeMemo(Memo, art.memo);
    baueAntwort(art.feldlaenge, 32, 16);
    weiter->setText(art.weiterText);

    setzeMaximiert(true);
    anordnen();
}

void Tlog01::anordnen()
{
    Antwortfenster::anordnen();
    const int w = width();
    const int h = height();
    const int zeile = QFontMetrics(ausgabe->font()).lineSpacing();
    const int memoZeile = QFontMetrics(Memo->font()).lineSpacing();
    // room for the five options where a member shows them, never down into the
    // next control below (Sprachlogik shows its options under the question)
    const bool optionen = m_art.leser == Logikart::Leser::AzuB || m_art.leser == Logikart::Leser::WasPasst;
    const int ausgabeOben = h * m_art.ausgabeTeil / 20;
    const int memoOben = h * m_art.memoTeil / 20;
    const int eingabeOben = h * m_art.eingabeTeil / 20;
    auto naechsteUnter = [&](int oben) {
        int unten = eingabeOben;
        for (int t : {ausgabeOben, memoOben})
            if (t > oben && t < unten)
                unten = t;
        return unten;
    };
    ausgabe->resize(w * 4 / 5, std::max(0, std::min(zeile * (optionen ? 5 : 3) + 16, naechsteUnter(ausgabeOben) - ausgabeOben - 10)));
    teile::mittig(ausgabe, ausgabeOben);
    Memo->resize(w * 4 / 5, std::max(0, std::min(memoZeile * 3 + 16, naechsteUnter(memoOben) - memoOben - 10)));
    teile::mittig(Memo, memoOben);
    teile::mittig(eingabe, h * m_art.eingabeTeil / 20);
    teile::mittig(rifa, h * 4 / 5);
}

// The file is read whole at Start (Sprachlogik: its 20 drawn records, each by
// its number); a short or missing file stops here and the window stays at "Start".
void Tlog01::vorbereiten()
{
    aufgabenzahl = m_art.aufgaben;
    const bool paare = m_art.leser == Logikart::Leser::AzuB;
    const int je = paare ? 2 : 1;
    zufall::randomize();
    m_folge = zufall::ohneWiederholung(m_art.aufgaben, m_art.saetze);
    Satzdatei datei(m_art.datei, m_art.satzgroesse);
    m_saetze.clear();
    if (m_art.leser == Logikart::Leser::Sprachlogik) {
        for (int nummer : m_folge) {
            datei.positioniere(nummer - 1);
            m_saetze << datei.liesText();
        }
    } else {
        if (datei.satzzahl() < m_art.saetze * je)
            throw EAFehler(100);
        datei.positioniere(0);
        for (int i = 0; i < m_art.saetze * je; ++i)
            m_saetze << datei.liesText();
    }
    datei.schliesse();
}

logiktext::Aufgabe Tlog01::liesAufgabe(int nummer) const
{
    using L = Logikart::Leser;
    switch (m_art.leser) {
    case L::Reihe: return logiktext::reihe(m_saetze.at(nummer - 1));
    case L::AzuB: return logiktext::aZuB(m_saetze.at(2 * nummer - 2), m_saetze.at(2 * nummer - 1));
    case L::WasPasst: return logiktext::wasPasst(m_saetze.at(nummer - 1));
    case L::Sprachlogik: return logiktext::sprachlogik(m_saetze.at(m_k - 1));
    case L::Wochentag: return logiktext::wochentag(m_saetze.at(nummer - 1));
    }
    return {};
}

void Tlog01::naechsteAufgabe()
{
    m_aufgabe = liesAufgabe(m_folge.at(m_k - 1));
    m_hinweis = false;
    teile::setzeMemo(ausgabe, m_aufgabe.anzeige);
    if (m_art.memo.isEmpty())
        teile::setzeMemo(Memo, m_aufgabe.frage);
    else
        teile::setzeMemo(Memo, m_art.memo);
}

void Tlog01::leereAnzeige() { ausgabe->clear(); }

bool Tlog01::eingabeKeyPress(int zeichen)
{
    if (zeichen == taste::kRueck || zeichen == taste::kEnter || zeichen == taste::kEsc)
        return true;
    if (m_art.leser == Logikart::Leser::WasPasst && zeichen == '+') {
        m_hinweis = true;
        teile::setzeMemo(Memo, m_aufgabe.hinweis);
        return false;
    }
    return zeichen < 0x80 && m_art.tasten.contains(QChar(zeichen));
}

void Tlog01::pruefe()
{
    // a pasted text that is no number is not judged
    const QString text = eingabe->text();
    bool zahl = false;
    const int antwort = text.toInt(&zahl);
    if (text.isEmpty() || text.size() > 9 || !zahl)
        return;
    const QString fehler = m_aufgabe.loesungText.isEmpty()
                               ? QStringLiteral("FEHLER!")
                               : QStringLiteral("FEHLER! Lösung: ") + m_aufgabe.loesungText;
    urteile(antwort == m_aufgabe.loesung, fehler, m_hinweis ? 80.0f : 100.0f);
}
