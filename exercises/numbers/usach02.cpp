#include "exercises/numbers/usach02.h"

#include "common/satzdatei.h"
#include "common/textformat.h"
#include "common/zustand.h"
#include "common/zufall.h"
#include "exercises/shared/fensterteile.h"
#include "platform/farben.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

TMixaufgabe TMixaufgabe::aus(const QString& satz)
{
    return {static_cast<float>(textformat::strToFloat(satz.left(4))), satz.mid(4)};
}

Tsach02::Tsach02()
    : Antwortfenster(QStringLiteral("Tsach02"), QStringLiteral("Rechenmix"), farbe::aktiverRahmen(), kProgramm,
                     kAufgaben)
{
    ausgabe = teile::memo(this, QStringLiteral("ausgabe"), QStringLiteral("Times New Roman"), 37, farbe::rollbalken());
    Memo = teile::memo(this, QStringLiteral("Memo"), QStringLiteral("Times New Roman"), 37, farbe::aktiverRahmen());
    baueAntwort(4, 32, 16);

    setzeMaximiert(true);
    anordnen();
}

void Tsach02::anordnen()
{
    Antwortfenster::anordnen();
    const int w = width();
    const int h = height();
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
    rifa->move(weiter->x() - rifa->width() - 20, h * 4 / 5 + (weiter->height() - rifa->height()) / 2);
}

void Tsach02::vorbereiten()
{
    aufgabenzahl = kAufgaben;
    Satzdatei datei(QStringLiteral("sachmix.dat"), TMixaufgabe::kKapazitaet + 1);
    datei.positioniere(0);
    for (TMixaufgabe& a : m_alle)
        a = TMixaufgabe::aus(datei.liesText());
    datei.schliesse();
    m_benutzt.fill(false);
}

void Tsach02::naechsteAufgabe()
{
    zufall::randomize();
    int j = 0;
    do
        j = zufall::R(kSaetze);
    while (m_benutzt[j]);  // 15 of 100: a free record is always left
    m_benutzt[j] = true;
    m_aufgabe = m_alle[j - 1];
    teile::setzeMemo(ausgabe, m_aufgabe.text);
}

void Tsach02::leereAnzeige()
{
    ausgabe->clear();
    Memo->clear();
}

void Tsach02::pruefe()
{
    const std::optional<int> zahl = ganzeAntwort();
    if (!zahl)
        return;
    const bool richtig = static_cast<float>(*zahl) == m_aufgabe.loesung;
    if (!richtig)
        teile::setzeMemo(Memo, textformat::gleitText(m_aufgabe.loesung));
    urteile(richtig, QStringLiteral("FEHLER!"));
}
