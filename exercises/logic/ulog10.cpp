#include "exercises/logic/ulog10.h"

#include "common/zufall.h"
#include "exercises/logic/raten.h"
#include "exercises/shared/dezimalantwort.h"
#include "exercises/shared/fensterteile.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "platform/schriften.h"
#include "platform/tasten.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

const std::vector<Ratart>& Tlog10::mitglieder()
{
    static const std::vector<Ratart> t{
        {102, QStringLiteral("Tlog10"), QStringLiteral("Zahlen raten"), 3, 27, false},
        {104, QStringLiteral("Tson09"), QStringLiteral("Pferderennen"), 2, 24, true},
    };
    return t;
}

const Ratart& Tlog10::mitglied(int programm)
{
    for (const Ratart& a : mitglieder())
        if (a.programm == programm)
            return a;
    return mitglieder().front();
}

Tlog10::Tlog10(const Ratart& art) : m_art(art)
{
    setObjectName(art.klasse);
    setWindowTitle(art.titel);
    setzeNurSystemmenue();
    setzeFarbe(farbe::buttonFace());
    setzeMaximiert(true);
    setzeKeyPreview(true);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    Label1 = new QLabel(QStringLiteral("Eingabe:"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(schrift::font(QStringLiteral("Arial"), 19));
    Label1->adjustSize();
    eingabe = teile::eingabefeld(Panel1, 3, 19);
    Label1->move(16, (eingabe->height() + 24 - Label1->height()) / 2);
    eingabe->move(Label1->width() + 32, 12);
    Panel1->resize(eingabe->x() + eingabe->width() + 16, eingabe->height() + 24);
    dezimal::verbindeFeld(
        eingabe, [this](int z) { return eingabeKeyPress(z); }, [this](int t) { schuetze([&] { eingabeKeyUp(t); }); });

    memo = teile::memo(this, QStringLiteral("memo"), QStringLiteral("Courier New"), art.memoHoehe,
                       farbe::fensterHintergrund());
    memo->setVerticalScrollBarPolicy(art.pferde ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    FormCreate();
}

// Panel and memo centred; the memo of the numbers holds all 12 lines.
void Tlog10::FormCreate()
{
    const QFontMetrics fm(memo->font());
    const int rand = 2 * (memo->frameWidth() + static_cast<int>(memo->document()->documentMargin())) + 8;
    const int breite = m_art.pferde ? width() * 3 / 10 : fm.horizontalAdvance(QStringLiteral("M")) * 20 + rand;
    memo->resize(breite, fm.lineSpacing() * raten::kVersuche + rand);
    teile::mittig(Panel1, height() / 12);
    teile::mittig(memo, Panel1->y() + Panel1->height() + height() / 24);
}

void Tlog10::FormShow() { FormCreate(); }

// Once per show: a message box that activates the window again starts nothing.
void Tlog10::FormActivate()
{
    m_lauf.starte(m_art.spiele);
    m_spiel = 0;
    neueLoesung();
    eingabe->setFocus();
}

void Tlog10::neueLoesung()
{
    zufall::randomize();
    m_loesung = m_art.pferde ? raten::pferde() : QString::number(raten::zahl());
    m_versuche = 0;
    memo->clear();
    eingabe->clear();
}

bool Tlog10::eingabeKeyPress(int z)
{
    if (z == taste::kRueck || z == taste::kEnter || z == taste::kEsc)
        return true;
    if (!m_art.pferde)
        return z >= '0' && z <= '9';
    if (z >= 'a' && z <= 'e') {
        // typed as the capital letter
        eingabe->insert(QString(QChar(z - 'a' + 'A')));
        return false;
    }
    return z >= 'A' && z <= 'E';
}

void Tlog10::eingabeKeyUp(int taste)
{
    if (taste == taste::kEsc && !m_art.pferde) {
        close();
        return;
    }
    const QString text = eingabe->text();
    if (taste != taste::kEnter || text.isEmpty() || text.size() > 19 || !m_lauf.laeuft())
        return;
    if (m_art.pferde)
        ratePferde(text);
    else
        rateZahl(text);
}

void Tlog10::rateZahl(const QString& text)
{
    const int tipp = text.toInt();
    if (tipp > 200) {
        dialog::zeige(QStringLiteral("Die gesuchte Zahl liegt im Bereich von 1 bis 200!"));
        eingabe->clear();
        return;
    }
    ++m_versuche;
    const int loesung = m_loesung.toInt();
    memo->append(raten::zahlZeile(text, tipp, loesung));
    eingabe->clear();
    if (tipp == loesung) {
        dialog::zeige(QStringLiteral("GETROFFEN!!"));
        spielEnde(raten::spielpunkte(m_versuche));
    } else if (m_versuche == raten::kVersuche) {
        dialog::zeige(QStringLiteral("Nicht geschafft! Die Lösung lautet ") + m_loesung);
        spielEnde(0.0f);
    }
}

void Tlog10::ratePferde(const QString& text)
{
    if (const QString fehler = raten::pferdeFehler(text); !fehler.isEmpty()) {
        dialog::zeige(fehler);
        eingabe->clear();
        return;
    }
    ++m_versuche;
    const QString r = raten::rueckmeldung(text, m_loesung);
    memo->append(text + QStringLiteral("  ") + raten::pferdeText(r));
    eingabe->clear();
    if (r == QStringLiteral("RRR")) {
        dialog::zeige(QStringLiteral("GETROFFEN!!"));
        spielEnde(raten::spielpunkte(m_versuche));
    } else if (m_versuche == raten::kVersuche) {
        dialog::zeige(QStringLiteral("Nicht geschafft! Die Lösung lautet ") + m_loesung);
        spielEnde(0.0f);
    }
}

// A game is over; the window may have closed while its message was up.
void Tlog10::spielEnde(float spielpunkte)
{
    if (!isVisible() || !m_lauf.laeuft())
        return;
    ++m_spiel;
    // the horses' first game replaces the start value
    if (m_art.pferde && m_spiel == 1)
        m_lauf.punkte = spielpunkte;
    else
        m_lauf.punkte += spielpunkte;
    if (m_spiel == m_art.spiele) {
        m_lauf.beende(this, m_art.programm, m_lauf.abschluss());
        return;
    }
    neueLoesung();
}

void Tlog10::resizeEvent(QResizeEvent* e)
{
    Form::resizeEvent(e);
    if (memo)
        FormCreate();
}

// Nothing is recorded.
void Tlog10::FormClose()
{
    m_lauf.abbrechen();
    eingabe->clear();
    memo->clear();
}
