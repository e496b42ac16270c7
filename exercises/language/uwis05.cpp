#include "exercises/language/uwis05.h"

#include "common/fehler.h"
#include "common/satzdatei.h"
#include "common/zufall.h"
#include "exercises/shared/fensterteile.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "platform/leinwand.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <algorithm>

namespace {

// A memo of zeilen lines of its font, but no taller than platz.
void hoehe(QTextEdit* memo, int breite, int zeilen, int platz)
{
    const int noetig = QFontMetrics(memo->font()).lineSpacing() * zeilen + 16;
    memo->resize(breite, std::max(0, std::min(noetig, platz)));
}

}

const std::vector<Leiterart>& Twis05::mitglieder()
{
    auto s = [](const char* t) { return QString::fromUtf8(t); };
    static const std::vector<Leiterart> tabelle{
        {56, s("Twis05"), s("Wortschatz"), s("wortscha.dat"), 580, false},
        {55, s("Twis04"), s("Satzende"), s("satzende.dat"), 112, true},
        {126, s("Twis07"), s("Punktequiz"), s("vmpuquiz.dat"), 127, false},
    };
    return tabelle;
}

Twis05::Twis05(const Leiterart& art)
    : Antwortfenster(art.klasse, art.titel, farbe::aktiverRahmen(), art.programm, kAufgaben), m_art(art)
{
    ausgabe = teile::memo(this, QStringLiteral("ausgabe"), QStringLiteral("Arial"), 24, farbe::rollbalken());
    hilfe = teile::memo(this, QStringLiteral("hilfe"), QStringLiteral("Arial"), 32, farbe::fensterHintergrund());
    baueAntwort(leiter::kFeldlaenge, 32, 16);
    weiter->setText(QStringLiteral("Enter"));

    setzeMaximiert(true);
    anordnen();
}

void Twis05::anordnen()
{
    Antwortfenster::anordnen();
    const int w = width();
    const int h = height();
    // the clue takes up to 70 characters, the hints 18
    hoehe(ausgabe, w * 3 / 5, 3, h * 9 / 20 - h / 10 - 10);
    teile::mittig(ausgabe, h / 10);
    hoehe(hilfe, w / 2, 1, h * 3 / 5 - h * 9 / 20 - 10);
    teile::mittig(hilfe, h * 9 / 20);
    teile::mittig(eingabe, h * 3 / 5);
    teile::mittig(rifa, h * 4 / 5);
}

// The run's 20 clues, drawn without repetition; the file is counted first, so
// a short one ends here with nothing changed.
void Twis05::vorbereiten()
{
    Satzdatei datei(m_art.datei, leiter::kKapazitaet + 1);
    if (datei.satzzahl() < m_art.saetze)
        throw EAFehler(100);
    zufall::randomize();
    std::vector<leiter::Eintrag> eintraege;
    for (int k : zufall::ohneWiederholung(kAufgaben, m_art.saetze)) {
        datei.positioniere(k - 1);
        eintraege.push_back(leiter::lies(datei.liesText()));
    }
    datei.schliesse();
    m_eintraege = std::move(eintraege);
    // the panel behind clue, hint and field, painted once per run
    Leinwand& c = canvas();
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.pinselFarbe = farbe::silber;
    c.pinselKlar = false;
    c.rechteck(width() / 6, height() / 20, width() * 5 / 6, height() * 3 / 4);
    update();
}

// Every task starts with its five attempts, in a new run too.
void Twis05::naechsteAufgabe()
{
    m_versuch = 0;
    const QString& text = m_eintraege.at(m_k - 1).hinweis;
    teile::setzeMemo(ausgabe, m_art.punkte ? text + QStringLiteral("...") : text);
    hilfe->clear();
}

// The hint goes too: a run started later shows no hint of an earlier one.
void Twis05::leereAnzeige()
{
    ausgabe->clear();
    hilfe->clear();
}

bool Twis05::eingabeKeyPress(int zeichen)
{
    const int z = leiter::feldzeichen(zeichen);
    if (z == 0)
        return false;
    if (z == zeichen)
        return true;
    // a small letter goes in as its capital; a read-only field takes nothing
    if (!eingabe->isReadOnly())
        eingabe->insert(QString(QChar(z)));
    return false;
}

void Twis05::pruefe()
{
    const QString text = eingabe->text();
    if (!leiter::beurteilbar(text))
        return;
    ++m_versuch;
    const QString& antwort = m_eintraege.at(m_k - 1).antwort;
    if (leiter::richtig(text, antwort) || m_versuch >= leiter::kVersuche) {
        // a fifth miss shows the word in the verdict
        urteile(leiter::richtig(text, antwort), antwort, leiter::gewinn(m_versuch));
        hilfe->clear();
        return;
    }
    // the hint comes after the box is confirmed
    dialog::zeige(QStringLiteral("Fehler!"));
    if (!m_lauf.laeuft() || !isVisible())
        return;
    eingabe->clear();
    teile::setzeMemo(hilfe, leiter::hilfe(m_versuch, antwort));
}
