#include "exercises/memory/uson04.h"

#include "common/zufall.h"
#include "exercises/shared/fensterteile.h"
#include "platform/farben.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

Tson04::Tson04()
    : Listenfenster(QStringLiteral("Tson04"), QStringLiteral("Städte"), kProgramm, {32, 35, 19, 382})
{
    Memo = teile::memo(this, QStringLiteral("Memo"), QStringLiteral("Arial"), 35, farbe::fensterHintergrund());
    baueAntwort();
    setzeMaximiert(true);
    anordnen();
}

void Tson04::anordnen()
{
    Listenfenster::anordnen();
    const int cw = width();
    const int ch = height();
    Memo->resize(cw / 3, QFontMetrics(Memo->font()).lineSpacing() + 16);
    teile::mittig(Memo, ch * 2 / 5);
    weiter->move(weiter->x(), ch * 4 / 5);
}

void Tson04::startClick()
{
    // the file and every population first: a fault leaves the window idle
    m_staedte = listen::liesStaedte();
    zufall::randomize();
    m_gewaehlt = zufall::ohneWiederholung(kPosten, listen::kStaedte);
    m_lauf.starte(kPosten);
    Memo->hide();
    ausgabe->hide();
    QStringList zeilen;
    for (int nr : m_gewaehlt) {
        const listen::Stadt& s = m_staedte.at(nr - 1);
        zeilen << s.kopf + QStringLiteral("  ") + s.name;
    }
    zeigeListe(zeilen);
    m_zaehler = 1;
    aufzahl->setText(zaehlerText(kPosten));
    stadtholen();
}

void Tson04::stadtholen() { m_stadt = m_staedte.at(m_gewaehlt.at(m_zaehler - 1) - 1); }

void Tson04::memobuttClick()
{
    memo1->hide();
    memobutt->hide();
    Memo->show();
    ausgabe->show();
    teile::setzeMemo(Memo, m_stadt.name);
    oeffneFrage();
    aufzahl->show();
}

void Tson04::pruefe(int antwort)
{
    const double p = listen::stadtpunkte(antwort, m_stadt.einwohner);
    teile::setzeMemo(ausgabe, QString::number(m_stadt.einwohner) + QStringLiteral(" *1000 Einwohner"));
    m_lauf.punkte = static_cast<float>(m_lauf.punkte + p);
    zeigeUrteil(listen::punkteText(p));
}

void Tson04::weiterClick()
{
    eingabe->setReadOnly(false);
    ++m_zaehler;
    aufzahl->setText(zaehlerText(kPosten));
    ausgabe->clear();
    rifa->clear();
    if (m_zaehler <= kPosten) {
        stadtholen();
        teile::setzeMemo(Memo, m_stadt.name);
        oeffneFrage();
        weiter->hide();
        return;
    }
    beende();
}

void Tson04::FormClose()
{
    Listenfenster::FormClose();
    Memo->clear();
}
