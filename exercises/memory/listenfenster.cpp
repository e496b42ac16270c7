#include "exercises/memory/listenfenster.h"

#include "common/textformat.h"
#include "exercises/shared/dezimalantwort.h"
#include "exercises/shared/fensterteile.h"
#include "platform/anwendung.h"
#include "platform/farben.h"
#include "platform/schriften.h"
#include "platform/tasten.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

namespace {

QPushButton* knopf(QWidget* eltern, const QString& name, const QString& text, int hoehe, QSize groesse)
{
    QPushButton* b = teile::knopf(eltern, name, text);
    b->setFont(schrift::font(QStringLiteral("Arial"), hoehe));
    b->resize(groesse);
    return b;
}

}

Listenfenster::Listenfenster(const QString& klasse, const QString& titel, int programm,
                             const Listenschriften& schriften)
    : m_programm(programm), m_schriften(schriften)
{
    setObjectName(klasse);
    setWindowTitle(titel);
    setzeNurSystemmenue();
    setzeFarbe(farbe::aktiverRahmen());

    start = knopf(this, QStringLiteral("start"), QStringLiteral("Start"), 19, {161, 33});
    connect(start, &QPushButton::clicked, this, [this] { schuetze([this] { startClick(); }); });
    memo1 = teile::memo(this, QStringLiteral("memo1"), QStringLiteral("Courier New"), schriften.memo1,
                        farbe::fensterHintergrund());
    memo1->hide();
    memobutt = knopf(this, QStringLiteral("memobutt"), QStringLiteral("zurück"), 24, {89, 41});
    memobutt->hide();
    connect(memobutt, &QPushButton::clicked, this, [this] { schuetze([this] { memobuttClick(); }); });
    ausgabe = teile::memo(this, QStringLiteral("ausgabe"), QStringLiteral("Arial"), schriften.ausgabe,
                          farbe::rollbalken());
}

void Listenfenster::baueAntwort()
{
    eingabe = teile::eingabefeld(this, 4, 32);
    eingabe->resize(233, 44);
    eingabe->hide();
    // only digits reach the field; Enter and Esc act on their release
    dezimal::verbindeFeld(
        eingabe,
        [](int z) {
            return (z >= '0' && z <= '9') || z == taste::kRueck || z == taste::kEnter || z == taste::kEsc;
        },
        [this](int t) { eingabeKeyUp(t); });
    rifa = teile::etikett(this, QStringLiteral("rifa"), QStringLiteral("Arial"), m_schriften.rifa);
    rifa->setAttribute(Qt::WA_TransparentForMouseEvents);
    weiter = knopf(this, QStringLiteral("weiter"), QStringLiteral("Enter"), 19, {75, 25});
    weiter->hide();
    connect(weiter, &QPushButton::clicked, this, [this] {
        schuetze([this] {
            // only a standing verdict goes on
            if (m_lauf.laeuft() && !m_offen)
                weiterClick();
        });
    });
    aufzahl = teile::etikett(this, QStringLiteral("aufzahl"), QStringLiteral("Arial"), 16);
    aufzahl->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    aufzahl->resize(100, aufzahl->height());
    aufzahl->hide();
}

void Listenfenster::anordnen()
{
    const int cw = width();
    const int ch = height();
    teile::mittig(start, 8);
    memo1->resize(cw / 2, m_schriften.memo1Hoehe);
    teile::mittig(memo1, 48);
    teile::mittig(memobutt, 464);
    ausgabe->resize(cw / 2, QFontMetrics(ausgabe->font()).lineSpacing() + 16);
    teile::mittig(ausgabe, ch / 5);
    teile::mittig(eingabe, ch * 3 / 5);
    rifa->resize(cw * 2 / 3, rifa->height());
    teile::mittig(rifa, ch * 4 / 5);
    weiter->move((cw - weiter->width()) * 5 / 6, ch * 3 / 5);
    aufzahl->move((cw - aufzahl->width()) * 11 / 12, 8);
}

void Listenfenster::FormShow() { anordnen(); }

void Listenfenster::FormClose()
{
    // a run left early records nothing; the list goes too, so "zurück" cannot
    // lead into the abandoned run when the window is shown again
    m_lauf.abbrechen();
    m_offen = false;
    start->show();
    memo1->hide();
    memobutt->hide();
    weiter->hide();
    m_zaehler = 0;
    ausgabe->clear();
    rifa->clear();
    eingabe->hide();
    aufzahl->hide();
    eingabe->setReadOnly(false);
}

QString Listenfenster::zaehlerText(int gesamt) const { return QStringLiteral("%1/ %2").arg(m_zaehler).arg(gesamt); }

void Listenfenster::zeigeListe(const QStringList& zeilen)
{
    memo1->show();
    memobutt->show();
    start->hide();
    memo1->setPlainText(zeilen.join(QLatin1Char('\n')));
    memobutt->setFocus();
}

void Listenfenster::oeffneFrage()
{
    eingabe->show();
    eingabe->setReadOnly(false);
    eingabe->setFocus();
    eingabe->clear();
    m_offen = true;
}

void Listenfenster::eingabeKeyUp(int t)
{
    if (t == taste::kEsc) {
        close();  // nothing is recorded
        return;
    }
    // judged once: Enter in the read-only field after the verdict does nothing
    const QString text = eingabe->text();
    if (t == taste::kEnter && m_offen && !text.isEmpty() && text.size() <= 9)
        pruefe(textformat::strToInt(text));
}

void Listenfenster::zeigeUrteil(const QString& text)
{
    m_offen = false;
    rifa->setText(text);
    weiter->show();
    weiter->setFocus();
    eingabe->setReadOnly(true);
}

void Listenfenster::beende()
{
    start->show();
    weiter->hide();
    m_zaehler = 0;
    ausgabe->clear();
    eingabe->hide();
    aufzahl->hide();
    m_lauf.beende(this, m_programm, m_lauf.abschluss());
}
