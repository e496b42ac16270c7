#include "exercises/memory/uson05.h"

#include "common/punkte.h"
#include "exercises/shared/fensterteile.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

const std::vector<Rundenart>& Tson05::mitglieder()
{
    static const std::vector<Rundenart> tabelle{
        {90, QStringLiteral("Tson05"), QStringLiteral("Alter"), listen::personen, {48, 96, 48, 393}, false},
        {91, QStringLiteral("Tson06"), QStringLiteral("Zahlentest"), listen::aufgabe, {27, 32, 48, 393}, true},
    };
    return tabelle;
}

Tson05::Tson05(const Rundenart& art)
    : Listenfenster(art.klasse, art.titel, art.programm, art.schriften), m_art(art)
{
    baueAntwort();
    setzeMaximiert(true);
    anordnen();
}

void Tson05::anordnen()
{
    Listenfenster::anordnen();
    if (!m_art.breit)
        return;
    const int cw = width();
    memo1->resize(cw * 4 / 5, memo1->height());
    teile::mittig(memo1, memo1->y());
    const QSize fenster = aussenmass();
    ausgabe->resize(fenster.width() * 7 / 8, ausgabe->height());
    teile::mittig(ausgabe, ausgabe->y());
    aufzahl->move(aufzahl->x(), fenster.height() / 30);
}

void Tson05::startClick()
{
    m_benutzt.clear();
    m_n = 2;
    m_zaehler = 1;
    m_lauf.starte(kRunden);
    m_posten = m_art.runde(m_n, m_benutzt);
    listzeig();
}

void Tson05::listzeig()
{
    ausgabe->hide();
    QStringList zeilen;
    for (const listen::Posten& p : m_posten)
        zeilen << p.zeile;
    zeigeListe(zeilen);
    listen::tausche(m_posten);
    aufzahl->setText(zaehlerText(kRunden));
    m_frage = 1;
    teile::setzeMemo(ausgabe, m_posten.front().frage);
    m_richtige = 0;
}

void Tson05::memobuttClick()
{
    memo1->hide();
    memobutt->hide();
    ausgabe->show();
    oeffneFrage();
    aufzahl->show();
}

void Tson05::pruefe(int antwort)
{
    const int richtig = m_posten.at(m_frage - 1).antwort;
    if (antwort != richtig) {
        zeigeUrteil(QStringLiteral("FEHLER! Lösung: ") + QString::number(richtig));
        return;
    }
    ++m_richtige;
    m_lauf.punkte += punkte::kProAufgabe;
    zeigeUrteil(QStringLiteral("RICHTIG"));
}

void Tson05::weiterClick()
{
    eingabe->setReadOnly(false);
    aufzahl->setText(zaehlerText(kRunden));
    ausgabe->clear();
    rifa->clear();
    weiter->hide();
    ++m_frage;
    if (m_frage <= m_n) {
        teile::setzeMemo(ausgabe, m_posten.at(m_frage - 1).frage);
        oeffneFrage();
        return;
    }
    ++m_zaehler;
    if (m_zaehler > kRunden) {
        beende();
        return;
    }
    if (m_richtige == m_n)
        ++m_n;
    eingabe->hide();
    m_posten = m_art.runde(m_n, m_benutzt);
    listzeig();
}
