#include "exercises/shared/antwortfenster.h"
#include <QKeyEvent>
#include "exercises/shared/dezimalantwort.h"

#include "common/punkte.h"
#include "common/textformat.h"
#include "exercises/shared/fensterteile.h"
#include "platform/anwendung.h"
#include "platform/schriften.h"
#include "platform/tasten.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Antwortfenster::Antwortfenster(const QString& klasse, const QString& titel, const QColor& farbe, int programm,
                               int aufgaben, int zeitteiler)
    : m_programm(programm), m_aufgaben(aufgaben), m_zeitteiler(zeitteiler)
{
    setObjectName(klasse);
    setWindowTitle(titel);
    setzeNurSystemmenue();
    setzeFarbe(farbe);
    setFont(schrift::font(QStringLiteral("Arial"), 32));

    start = teile::knopf(this, QStringLiteral("start"), QStringLiteral("Start"));
    connect(start, &QPushButton::clicked, this, [this] { schuetze([this] { startClick(); }); });
}

void Antwortfenster::baueAntwort(int laenge, int feldhoehe, int zaehlerhoehe)
{
    eingabe = teile::eingabefeld(this, laenge, feldhoehe);
    eingabe->hide();
    // the filter sees typed characters, the key-up handler key codes
    dezimal::verbindeFeld(
        eingabe, [this](int z) { return eingabeKeyPress(z); }, [this](int t) { eingabeKeyUp(t); });
    rifa = teile::etikett(this, QStringLiteral("rifa"), QStringLiteral("Arial"), 19);
    rifa->setAttribute(Qt::WA_TransparentForMouseEvents);
    weiter = teile::knopf(this, QStringLiteral("weiter"), QStringLiteral("weiter"));
    weiter->hide();
    connect(weiter, &QPushButton::clicked, this, [this] { schuetze([this] { weiterClick(); }); });
    aufzahl = teile::etikett(this, QStringLiteral("aufzahl"), QStringLiteral("Arial"), zaehlerhoehe);
    aufzahl->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    aufzahl->hide();
}

void Antwortfenster::anordnen()
{
    const int w = width();
    teile::mittig(start, 10);
    aufzahl->resize(120, aufzahl->height());
    aufzahl->move((w - aufzahl->width()) * 11 / 12, 10);
    rifa->resize(w * 2 / 3, rifa->height());
    weiter->move((w - weiter->width()) * 5 / 6, height() * 4 / 5);
}

void Antwortfenster::FormShow() { anordnen(); }

void Antwortfenster::FormClose()
{
    m_lauf.abbrechen();
    m_offen = false;
    start->show();
    weiter->hide();
    eingabe->hide();
    aufzahl->hide();
    leereAnzeige();
    rifa->clear();
    eingabe->setReadOnly(false);
    m_k = 0;
}

QString Antwortfenster::zaehlerText() const { return QStringLiteral("%1/ %2").arg(m_k).arg(m_aufgaben); }

void Antwortfenster::startClick()
{
    vorbereiten();
    m_k = 1;
    aufzahl->setText(zaehlerText());
    // a task that cannot be drawn leaves the window idle
    naechsteAufgabe();
    m_offen = true;
    m_lauf.starte(m_aufgaben);
    eingabe->show();
    eingabe->setReadOnly(false);
    eingabe->setFocus();
    eingabe->clear();
    start->hide();
    aufzahl->show();
    aufgabeGezeigt();
}

bool Antwortfenster::eingabeKeyPress(int zeichen)
{
    return (zeichen >= '0' && zeichen <= '9') || zeichen == taste::kRueck || zeichen == taste::kEnter
           || zeichen == taste::kEsc;
}

void Antwortfenster::eingabeKeyUp(int t)
{
    if (t == taste::kEsc && m_escSchliesst) {
        close();  // nothing is recorded
        return;
    }
    // judged once: Enter in the read-only field after the verdict does nothing
    if (t == taste::kEnter && m_offen)
        pruefe();
}

std::optional<int> Antwortfenster::ganzeAntwort() const
{
    const QString text = eingabe->text();
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    return textformat::strToInt(text);
}

void Antwortfenster::urteile(bool richtig, const QString& fehler, float gewinn)
{
    m_offen = false;
    if (richtig) {
        rifa->setText(QStringLiteral("RICHTIG!"));
        m_lauf.punkte += gewinn;
    } else {
        rifa->setText(fehler);
    }
    weiter->show();
    weiter->setFocus();
    eingabe->setReadOnly(true);
}

void Antwortfenster::weiterClick()
{
    if (!m_lauf.laeuft())
        return;
    eingabe->setReadOnly(false);
    ++m_k;
    aufzahl->setText(zaehlerText());
    leereAnzeige();
    rifa->clear();
    if (m_k != m_aufgaben + 1) {
        // a task that cannot be drawn leaves the display empty and "weiter"
        // visible; the next press moves on
        naechsteAufgabe();
        m_offen = true;
        eingabe->setFocus();
        eingabe->clear();
        weiter->hide();
        aufgabeGezeigt();
        return;
    }
    if (m_startVorEnde)
        start->show();
    weiter->hide();
    m_k = 0;
    eingabe->hide();
    aufzahl->hide();
    m_lauf.beende(this, m_programm, punkte::abschluss(m_lauf.punkte, m_lauf.sekunden() / m_zeitteiler));
}
