#include "platform/farben.h"
#include "exercises/numbers/usach02.h"

#include "common/satzdatei.h"
#include "common/zustand.h"
#include "common/textformat.h"
#include "common/zufall.h"
#include "exercises/numbers/fensterteile.h"
#include "platform/anwendung.h"
#include "platform/schriften.h"
#include "platform/tasten.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

TMixaufgabe TMixaufgabe::aus(const QString& satz)
{
    return {static_cast<float>(textformat::strToFloat(satz.left(4))), satz.mid(4)};
}

Tsach02::Tsach02()
{
    setObjectName(QStringLiteral("Tsach02"));
    setWindowTitle(QStringLiteral("Rechenmix"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setzeFarbe(farbe::aktiverRahmen());
    setFont(schrift::font(QStringLiteral("Arial"), 32));

    start = teile::knopf(this, QStringLiteral("start"), QStringLiteral("Start"));
    connect(start, &QPushButton::clicked, this, [this] { schuetze([this] { startClick(); }); });
    ausgabe = teile::memo(this, QStringLiteral("ausgabe"), QStringLiteral("Times New Roman"), 37, farbe::rollbalken());
    Memo = teile::memo(this, QStringLiteral("Memo"), QStringLiteral("Times New Roman"), 37, farbe::aktiverRahmen());
    eingabe = teile::eingabefeld(this, 4, 32);
    eingabe->hide();
    new Tastenhaken(
        eingabe, [this](int z) { return eingabeKeyPress(z); }, [this](int t) { eingabeKeyUp(t); });
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

void Tsach02::anordnen()
{
    const int w = width();
    const int h = height();
    teile::mittig(start, 10);
    aufzahl->resize(120, aufzahl->height());
    aufzahl->move((w - aufzahl->width()) * 11 / 12, 10);
    // one line high: the text, its margins and the frame
    for (QTextEdit* m : {ausgabe, Memo}) {
        m->resize(w * 3 / 5, 37 * 3 / 2 + 16);
        m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    teile::mittig(ausgabe, h / 5);
    teile::mittig(Memo, h * 2 / 5);
    teile::mittig(eingabe, h * 3 / 5);
    // the verdict stands left of "weiter", on the same line
    rifa->resize(w / 3, rifa->height());
    weiter->move((w - weiter->width()) * 5 / 6, h * 4 / 5);
    rifa->move(weiter->x() - rifa->width() - 20, h * 4 / 5 + (weiter->height() - rifa->height()) / 2);
}

void Tsach02::FormShow() { anordnen(); }

void Tsach02::FormClose()
{
    m_lauf.abbrechen();
    m_offen = false;
    start->show();
    weiter->hide();
    eingabe->hide();
    aufzahl->hide();
    ausgabe->clear();
    Memo->clear();
    rifa->clear();
    eingabe->setReadOnly(false);
    m_k = 0;
}

void Tsach02::startClick()
{
    aufgabenzahl = kAufgaben;
    Satzdatei datei(QStringLiteral("sachmix.dat"), TMixaufgabe::kKapazitaet + 1);
    datei.positioniere(0);
    for (TMixaufgabe& a : m_alle)
        a = TMixaufgabe::aus(datei.liesText());
    datei.schliesse();
    m_k = 1;
    aufzahl->setText(QStringLiteral("1/ %1").arg(kAufgaben));
    m_benutzt.fill(false);
    aufgabe();
    m_lauf.starte(kAufgaben);
    teile::setzeMemo(ausgabe, m_aufgabe.text);
    eingabe->show();
    eingabe->setReadOnly(false);
    eingabe->setFocus();
    eingabe->clear();
    start->hide();
    aufzahl->show();
}

void Tsach02::aufgabe()
{
    zufall::randomize();
    int j = 0;
    do
        j = zufall::R(kSaetze);
    while (m_benutzt[j]);  // 15 of 100: a free record is always left
    m_benutzt[j] = true;
    m_aufgabe = m_alle[j - 1];
    m_offen = true;
}

bool Tsach02::eingabeKeyPress(int zeichen)
{
    return (zeichen >= '0' && zeichen <= '9') || zeichen == taste::kRueck || zeichen == taste::kEnter
           || zeichen == taste::kEsc;
}

void Tsach02::eingabeKeyUp(int t)
{
    if (t == taste::kEsc) {
        close();  // nothing is recorded
        return;
    }
    // judged once: Enter in the read-only field after the verdict does nothing
    const QString text = eingabe->text();
    if (t != taste::kEnter || !m_offen || text.isEmpty() || text.size() > 9)
        return;
    const bool richtig = static_cast<float>(textformat::strToInt(text)) == m_aufgabe.loesung;
    m_offen = false;
    if (richtig) {
        rifa->setText(QStringLiteral("RICHTIG!"));
        m_lauf.punkte += 100.0f;
    } else {
        rifa->setText(QStringLiteral("FEHLER!"));
        teile::setzeMemo(Memo, textformat::gleitText(m_aufgabe.loesung));
    }
    weiter->show();
    weiter->setFocus();
    eingabe->setReadOnly(true);
}

void Tsach02::weiterClick()
{
    if (!m_lauf.laeuft())
        return;
    eingabe->setReadOnly(false);
    ++m_k;
    aufzahl->setText(QStringLiteral("%1/ %2").arg(m_k).arg(kAufgaben));
    ausgabe->clear();
    Memo->clear();
    rifa->clear();
    if (m_k != kAufgaben + 1) {
        aufgabe();
        teile::setzeMemo(ausgabe, m_aufgabe.text);
        eingabe->setFocus();
        eingabe->clear();
        weiter->hide();
        return;
    }
    start->show();
    weiter->hide();
    m_k = 0;
    eingabe->hide();
    aufzahl->hide();
    m_lauf.beende(this, kProgramm, m_lauf.abschluss());
}
