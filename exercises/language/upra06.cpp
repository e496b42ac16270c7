#include "exercises/language/upra06.h"

#include "common/fehler.h"
#include "common/satzdatei.h"
#include "common/zustand.h"
#include "common/zufall.h"
#include "exercises/shared/fensterteile.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/tasten.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <algorithm>

namespace {

// The gradient colour of an inactive caption in the desktop scheme the other
// system colours follow.
const QColor kInaktiverTitel{0xD7, 0xE4, 0xF2};

}

const std::vector<Frageart>& Tpra06::mitglieder()
{
    using L = Frageart::Leser;
    using F = Frageart::Filter;
    auto s = [](const char* t) { return QString::fromUtf8(t); };
    static const std::vector<Frageart> tabelle{
        {121, s("Tpra06"), s("Praktisches Allgemeinwissen"), s("prakall.dat"), 251, 150, 30, L::Praxis,
         F::Optionen, false, 1, 19, farbe::rollbalken(), true},
        {131, s("Twis11"), s("QUIZ"), s("vmquiz.dat"), 101, 315, 30, L::Quiz, F::Joker, false, 1, 29,
         kInaktiverTitel, false},
        {125, s("Tzahlen"), s("Zahlen"), s("zahlen.dat"), 81, 55, 20, L::Zahlen, F::Zahl, true, 5, 27,
         farbe::rollbalken(), true},
        {127, s("Tsac11"), s("Denksport"), s("vmdenksp.dat"), 161, 45, 15, L::Denksport, F::Dezimal, true, 5, 27,
         farbe::licht3d(), false},
    };
    return tabelle;
}

Tpra06::Tpra06(const Frageart& art)
    : Antwortfenster(art.klasse, art.titel, farbe::aktiverRahmen(), art.programm, art.aufgaben),
      m_art(art),
      m_antwort(nullptr)
{
    ausgabe = teile::memo(this, QStringLiteral("ausgabe"), QStringLiteral("Arial"), art.schrifthoehe, art.grund);
    if (istQuiz())
        Memo = teile::memo(this, QStringLiteral("Memo"), QStringLiteral("Arial"), 27, farbe::aktiverRahmen());
    baueAntwort(art.feldlaenge, 32, 16);
    m_antwort = Dezimalantwort(eingabe);
    // the Quiz is closed by its frame only
    m_escSchliesst = art.filter != Frageart::Filter::Joker;

    setzeMaximiert(true);
    anordnen();
}

void Tpra06::anordnen()
{
    Antwortfenster::anordnen();
    const int w = width();
    const int h = height();
    if (istQuiz()) {
        ausgabe->resize(w * 4 / 5, h * 3 / 10);
        teile::mittig(ausgabe, h / 10);
        Memo->resize(w * 4 / 5, h * 7 / 10 - h * 9 / 20 - 10);
        teile::mittig(Memo, h * 9 / 20);
    } else {
        // room for six lines, but never down to the answer field
        const int zeilen = QFontMetrics(ausgabe->font()).lineSpacing() * 6 + 16;
        ausgabe->resize(w * 4 / 5, std::min(zeilen, h * 7 / 10 - h / 5 - 10));
        teile::mittig(ausgabe, h / 5);
    }
    teile::mittig(eingabe, h * 7 / 10);
    teile::mittig(rifa, h * 9 / 10);
}

// All questions of the file are read and parsed; a record out of form is left
// out of the draw, and too few usable ones leave the window idle.
void Tpra06::vorbereiten()
{
    if (!istQuiz())
        aufgabenzahl = m_art.aufgaben;
    const int je = istQuiz() ? 2 : 1;
    Satzdatei datei(m_art.datei, m_art.satzgroesse);
    if (datei.satzzahl() < m_art.fragen * je)
        throw EAFehler(100);
    std::vector<fragen::Frage> brauchbar;
    datei.positioniere(0);
    for (int i = 0; i < m_art.fragen; ++i) {
        const QString satz = datei.liesText();
        std::optional<fragen::Frage> f;
        switch (m_art.leser) {
        case Frageart::Leser::Praxis: f = fragen::praxis(satz); break;
        case Frageart::Leser::Quiz: f = fragen::quiz(satz, datei.liesText()); break;
        case Frageart::Leser::Zahlen: f = fragen::zahlen(satz); break;
        case Frageart::Leser::Denksport: f = fragen::denksport(satz); break;
        }
        if (f)
            brauchbar.push_back(*f);
    }
    datei.schliesse();
    if (static_cast<int>(brauchbar.size()) < m_art.aufgaben)
        throw VelmoraFehler(QStringLiteral("Die Datei %1 enthält nur %2 brauchbare Fragen; %3 werden gebraucht.")
                                .arg(m_art.datei)
                                .arg(brauchbar.size())
                                .arg(m_art.aufgaben));
    zufall::randomize();
    m_gezogen.clear();
    for (int i : zufall::ohneWiederholung(m_art.aufgaben, static_cast<int>(brauchbar.size())))
        m_gezogen.push_back(brauchbar[i - 1]);
    if (m_art.panel) {
        // the panel behind the question, painted once per run, with its black outline
        Leinwand& c = canvas();
        c.stiftFarbe = farbe::schwarz;
        c.stiftBreite = 1;
        c.pinselFarbe = farbe::silber;
        c.pinselKlar = false;
        c.rechteck(width() / 6, height() / 6, width() * 5 / 6, height() * 3 / 4);
        update();
    }
}

void Tpra06::naechsteAufgabe()
{
    m_frage = m_gezogen.at(m_k - 1);
    // every question starts with its jokers unspent, also after an abandoned run
    m_joker = fragen::Joker(m_frage.richtig);
    m_antwort.neueAufgabe();
    if (m_art.leser == Frageart::Leser::Praxis)
        teile::setzeMemo(ausgabe, (QStringList{m_frage.text} + fragen::zeilen(m_frage, QStringLiteral(" ")))
                                      .join(QLatin1Char('\n')));
    else
        teile::setzeMemo(ausgabe, m_frage.text);
    if (istQuiz())
        zeigeOptionen();
}

void Tpra06::zeigeOptionen() { Memo->setPlainText(fragen::zeilen(m_frage, QStringLiteral("  ")).join(QLatin1Char('\n'))); }

void Tpra06::leereAnzeige()
{
    ausgabe->clear();
    if (Memo)
        Memo->clear();
}

bool Tpra06::eingabeKeyPress(int zeichen)
{
    using F = Frageart::Filter;
    if (m_art.filter == F::Dezimal)
        return m_antwort.tastendruck(zeichen);
    if (zeichen == taste::kRueck || zeichen == taste::kEnter)
        return true;
    if (zeichen == taste::kEsc)
        return m_art.filter != F::Joker;
    if (m_art.filter == F::Zahl)
        return zeichen == ',' || (zeichen >= '0' && zeichen <= '9');
    return zeichen >= '1' && zeichen <= '5';
}

void Tpra06::nimmJoker()
{
    const int j = m_joker.setze([] { return zufall::R(4); });
    if (j > 0) {
        m_frage.optionen[j - 1] = QStringLiteral("x");
        zeigeOptionen();
    }
    eingabe->clear();
}

void Tpra06::pruefe()
{
    if (m_art.zahlurteil) {
        const dezimal::Urteil u = m_antwort.enter(m_frage.loesung, true);
        if (u == dezimal::Urteil::Richtig || u == dezimal::Urteil::Falsch)
            urteile(u == dezimal::Urteil::Richtig, fragen::fehlerText(m_frage.loesungText));
        return;
    }
    const QString text = eingabe->text();
    if (text.isEmpty() || text.size() > 9)
        return;
    if (istQuiz() && text == QLatin1String("5")) {
        nimmJoker();
        return;
    }
    const int wahl = text[0].digitValue();
    if (wahl < 1 || wahl > m_frage.optionen.size())
        return;
    urteile(wahl == m_frage.richtig, fragen::fehlerZiffer(m_frage.richtig), m_joker.gewinn());
}
