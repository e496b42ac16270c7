#include "exercises/numbers/ulog11.h"

#include "common/punkte.h"
#include "common/textformat.h"
#include "exercises/shared/fensterteile.h"
#include "exercises/shared/dezimalantwort.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "platform/schriften.h"
#include "platform/tasten.h"

#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <algorithm>

Tlog11::Tlog11()
{
    setObjectName(QStringLiteral("Tlog11"));
    setWindowTitle(QStringLiteral("Sterne"));
    setzeNurSystemmenue();
    setzeFarbe(farbe::buttonFace());
    setzeKeyPreview(true);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Label1 = teile::etikett(Panel1, QStringLiteral("Label1"), QStringLiteral("Arial"), 19);
    Label1->setText(QStringLiteral("Eingabe:"));
    Label1->resize(Label1->sizeHint().width() + 8, Label1->height());
    eingabe = teile::eingabefeld(Panel1, 3, 19);
    const int hoehe = std::max(Label1->height(), eingabe->height()) + 20;
    Label1->move(12, (hoehe - Label1->height()) / 2);
    eingabe->move(Label1->x() + Label1->width() + 8, (hoehe - eingabe->height()) / 2);
    Panel1->resize(eingabe->x() + eingabe->width() + 12, hoehe);
    dezimal::verbindeFeld(
        eingabe, [this](int z) { return eingabeKeyPress(z); }, [this](int t) { eingabeKeyUp(t); });

    memo = teile::memo(this, QStringLiteral("memo"), QStringLiteral("Courier New"), 27, farbe::fensterHintergrund());
    setzeMaximiert(true);
}

void Tlog11::FormShow()
{
    // laid out at the maximised size: the panel near the top, the memo below it
    // with room for the 20 guesses of a round
    teile::mittig(Panel1, 10);
    const QFontMetrics fm(memo->font());
    const int oben = Panel1->y() + Panel1->height() + 10;
    memo->resize(fm.horizontalAdvance(QLatin1Char('0')) * 20 + 40,
                 std::min(fm.lineSpacing() * sterne::kVersuche + 16, height() - oben - 10));
    teile::mittig(memo, oben);
}

// Once per show: the boxes of a run activate the window again without starting anew.
void Tlog11::FormActivate()
{
    m_spiel.starte();
    memo->clear();
    eingabe->clear();
    m_lauf.starte(sterne::kRunden);
    eingabe->setFocus();
}

void Tlog11::FormClose()
{
    m_lauf.abbrechen();  // nothing is recorded
}

bool Tlog11::eingabeKeyPress(int zeichen) const
{
    // Esc too is swallowed: the window has no Esc key
    return (zeichen >= '0' && zeichen <= '9') || zeichen == taste::kRueck || zeichen == taste::kEnter;
}

void Tlog11::eingabeKeyUp(int t)
{
    const QString text = eingabe->text();
    if (t != taste::kEnter || text.isEmpty() || text.size() > 19 || !m_lauf.laeuft() || m_spiel.rundeVorbei())
        return;
    // a pasted text that is no number stops here, not counted
    const int zahl = textformat::strToInt(text);
    const Sternespiel::Urteil u = m_spiel.rate(zahl, text);
    // a hit is announced before its line is written; a miss after
    if (u.treffer)
        dialog::zeige(QStringLiteral("GETROFFEN!!"));
    memo->append(u.zeile);
    eingabe->clear();
    if (u.verfehlt)
        dialog::zeige(QStringLiteral("Nicht geschafft! Die Lösung lautet ") + QString::number(m_spiel.geheim()));
    // closed while the box was open: nothing more
    if (!m_spiel.rundeVorbei() || !m_lauf.laeuft() || !isVisible())
        return;
    m_lauf.punkte += float(m_spiel.rundenpunkte());
    if (m_spiel.zaehleRunde()) {
        m_lauf.beende(this, kProgramm, m_lauf.abschluss());
        return;
    }
    neueRunde();
}

void Tlog11::neueRunde()
{
    m_spiel.neueRunde();
    memo->clear();
    eingabe->clear();
}
