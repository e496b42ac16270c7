#include "exercises/memory/uwahr09.h"

#include "exercises/shared/fensterteile.h"
#include "platform/farben.h"
#include "platform/tasten.h"

#include <QLabel>
#include <QLineEdit>
#include <QValidator>

namespace {

constexpr int kAufgaben = 20;

QLabel* anzeige(QWidget* eltern, const QString& name, int hoehe, const QColor& grund)
{
    QLabel* l = teile::etikett(eltern, name, QStringLiteral("Arial"), hoehe);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, grund);
    p.setColor(QPalette::WindowText, farbe::schwarz);
    l->setPalette(p);
    return l;
}

// Keys are filtered as they are typed; this catches what arrives otherwise
// (Ctrl+V, the middle button, a drop) by the same rule and makes capitals.
class Buchstabenpruefer : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& text, int& pos) const override
    {
        QString rein;
        int vorCursor = 0;
        for (int i = 0; i < text.size(); ++i)
            if (const std::optional<QChar> c = zeilen::filtere(text[i])) {
                rein += *c;
                if (i < pos)
                    ++vorCursor;
            }
        text = rein;
        pos = vorCursor;
        return Acceptable;
    }
};

}

const std::vector<Zeilenart>& Twahr09::mitglieder()
{
    static const std::vector<Zeilenart> tabelle{
        {117, QStringLiteral("Twahr09"), QStringLiteral("Alphaketten"), zeilen::kette},
        {118, QStringLiteral("Twahr10"), QStringLiteral("Musterband"), zeilen::muster},
    };
    return tabelle;
}

Twahr09::Twahr09(const Zeilenart& art)
    : Antwortfenster(art.klasse, art.titel, farbe::buttonFace(), art.programm, kAufgaben), m_art(art)
{
    aus1 = anzeige(this, QStringLiteral("aus1"), 37, farbe::aqua);
    aus2 = anzeige(this, QStringLiteral("aus2"), 48, farbe::gelb);
    baueAntwort(1, 32, 16);
    eingabe->setValidator(new Buchstabenpruefer(eingabe));

    setzeMaximiert(true);
    anordnen();
}

void Twahr09::anordnen()
{
    Antwortfenster::anordnen();
    const int w = width();
    const int h = height();
    for (QLabel* l : {aus1, aus2})
        l->resize(9 * w / 10, h / 10);
    teile::mittig(aus1, h / 5);
    teile::mittig(aus2, 2 * h / 5);
    teile::mittig(eingabe, 3 * h / 5);
    teile::mittig(rifa, 4 * h / 5);
}

void Twahr09::vorbereiten()
{
    m_laenge = zeilen::kStartlaenge;
}

void Twahr09::naechsteAufgabe()
{
    m_aufgabe = m_art.aufgabe(m_laenge);
    aus1->setText(m_aufgabe.aus1);
    aus2->setText(m_aufgabe.aus2);
}

void Twahr09::leereAnzeige()
{
    aus1->clear();
    aus2->clear();
}

bool Twahr09::eingabeKeyPress(int zeichen)
{
    return zeichen == taste::kRueck || zeichen == taste::kEnter || zeichen == taste::kEsc
           || zeilen::filtere(QChar(zeichen)).has_value();
}

// Called by the frame only while the task is open, so a verdict is given once
// and the line cannot grow from Enters on a judged task.
void Twahr09::pruefe()
{
    const QString text = eingabe->text();
    if (text.size() != 1)
        return;
    const bool richtig = text[0] == m_aufgabe.loesung;
    if (richtig)
        zeilen::zaehleRichtig(m_laenge, m_zaehler);
    urteile(richtig, QStringLiteral("FEHLER! Lösung: ") + m_aufgabe.loesung);
}
