#include "shell/udat01.h"

#include "common/namen.h"
#include "common/satzdatei.h"
#include "common/textformat.h"
#include "common/zustand.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/listenfeld.h"
#include "platform/schriften.h"
#include "platform/tasten.h"
#include "shell/ergebnisse.h"
#include "shell/nutzerregister.h"

#include <algorithm>
#include <cmath>

namespace ansicht {

void fuelleUebungsliste(QListWidget* liste)
{
    liste->clear();
    for (int zeile = 2; zeile <= 11; ++zeile)
        for (int spalte = 0; spalte <= 10; ++spalte)
            liste->addItem(kurznamen(zeile, spalte));
}

int gewaehlteZeile(const QListWidget* liste)
{
    const QList<QListWidgetItem*> gewaehlt = liste->selectedItems();
    return gewaehlt.isEmpty() ? -1 : liste->row(gewaehlt.first());
}

QString kurzdatum(const QString& datum)
{
    return datum.size() == 10 ? datum.left(6) + datum.mid(8, 2) : datum;
}

}

namespace dat01 {

namespace {
// Bar values far beyond any score (a damaged record) must not overflow the chart arithmetic.
constexpr double kGrenze = 1e12;
}

Ergebnis ausSatz(const QString& satz)
{
    Ergebnis e;
    // a point is the only separator: "234,559" reads as 234
    const double wert = textformat::valPunkt(satz.mid(10, 10).remove(QLatin1Char(' ')));
    e.balken = static_cast<long long>(std::clamp(std::trunc(wert), -kGrenze, kGrenze));
    const QString datum = satz.left(10).remove(QLatin1Char(' '));
    const QString spalte = datum.size() == 10 ? ansicht::kurzdatum(datum) + QLatin1Char(' ') : QString(8, QLatin1Char(' '));
    e.zeile = (spalte + QStringLiteral("  ") + textformat::punktFormat72(wert)).left(20);
    return e;
}

Balken balken(int j, long long wert, long long m, QSize flaeche)
{
    const int u = flaeche.width() / 20;
    const int h = flaeche.height() * 19 / 20;
    const int hoehe = flaeche.height();
    // a negative value (never recorded) stays inside the box as a zero would
    const long long v = std::clamp(wert, 0LL, m);
    return {(2 * j - 1) * u - u / 2, h - static_cast<int>(h * v / m), 2 * j * u - u / 2, hoehe};
}

}

Tdat01& Tdat01::instanz()
{
    static Tdat01* form = new Tdat01;
    return *form;
}

Tdat01::Tdat01()
{
    setObjectName(QStringLiteral("dat01"));
    setWindowTitle(QStringLiteral("pers. Daten"));
    setzeMaximiert(true);
    setzeKeyPreview(true);
    setFont(schrift::font(QStringLiteral("Arial"), 17));

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->resize(620, 420);
    Label1 = new QLabel(QStringLiteral("Auswahl mit Cursor und Enter // Ende mit Leertaste"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(10, 12, 600, 26);
    lbox = new Listenfeld(Panel1);
    lbox->setObjectName(QStringLiteral("lbox"));
    lbox->setGeometry(20, 50, 220, 350);
    mem1dat01 = new QPlainTextEdit(Panel1);
    mem1dat01->setObjectName(QStringLiteral("mem1dat01"));
    mem1dat01->setReadOnly(true);
    mem1dat01->setLineWrapMode(QPlainTextEdit::NoWrap);
    mem1dat01->setFont(schrift::font(QStringLiteral("Courier New"), 13));
    mem1dat01->setGeometry(260, 50, 200, 190);
    cmd1 = new QPushButton(QStringLiteral("anzeigen"), Panel1);
    cmd1->setObjectName(QStringLiteral("cmd1"));
    cmd1->setGeometry(480, 50, 120, 40);
    cmd2dat01 = new QPushButton(QStringLiteral("zurück"), Panel1);
    cmd2dat01->setObjectName(QStringLiteral("cmd2dat01"));
    cmd2dat01->setGeometry(480, 110, 120, 40);
    pb = new Malflaeche(this, farbe::buttonFace());
    pb->setObjectName(QStringLiteral("pb"));
    pb->resize(545, 121);

    connect(cmd1, &QPushButton::clicked, this, [this] { schuetze([this] { wahl(); }); });
    connect(cmd2dat01, &QPushButton::clicked, this, [this] { close(); });
}

void Tdat01::FormActivate()
{
    Panel1->move((width() - Panel1->width()) / 2, 10);
    pb->move((width() - pb->width()) / 2, Panel1->y() + Panel1->height() + 10);
    ansicht::fuelleUebungsliste(lbox);
    lbox->setFocus();
    // The lines and the chart of another user go, also of one who had this
    // slot. This user's are read again: the files may have changed meanwhile,
    // and he may have been deleted at the other desk. The list starts with no
    // line chosen, as on every opening.
    const int zeile = m_gezeigtFuer == nutzer && m_gezeigtFuerName == nutzername ? m_gezeigteZeile : -1;
    leeren();
    if (zeile >= 0)
        schuetze([this, zeile] { zeigeErgebnisse(zeile); });
}

bool Tdat01::FormShortCut(int t, QKeyEvent*)
{
    if (t == taste::kEnter) {
        wahl();
        return true;
    }
    if (t == taste::kLeer) {
        close();
        return true;
    }
    return false;
}

void Tdat01::pbLeeren()
{
    Leinwand& c = pb->canvas();
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.pinselKlar = false;
    c.pinselFarbe = farbe::buttonFace();
    c.rechteck(0, 0, pb->width(), pb->height());
    pb->update();
}

void Tdat01::leeren()
{
    mem1dat01->clear();
    pb->freigeben();
    pb->update();
    m_gezeigtFuer = 0;
    m_gezeigtFuerName.clear();
    m_gezeigteZeile = -1;
}

void Tdat01::wahl()
{
    if (nutzer == 0) {
        dialog::zeige(QStringLiteral("Es wurde kein Nutzer gewählt!"));
        return;
    }
    leeren();
    const int zeile = ansicht::gewaehlteZeile(lbox);
    if (zeile >= 0)
        zeigeErgebnisse(zeile);
}

// Reads first and shows only after the register, read after the results, still
// holds the current user: else they may be those of the next user in his slot.
void Tdat01::zeigeErgebnisse(int zeile)
{
    const int k = zeile + 1;
    const int kategorie = (k - 1) / 11;
    const int item = (k - 1) % 11 + 1;

    Satzdatei datei(ergebnis::dateiname(kategorie), ergebnis::kSatzgroesse);
    datei.positioniere(ergebnis::satznummer(item, nutzer, 0));
    dat01::Ergebnis gelesen[10];
    long long m = 0;
    for (dat01::Ergebnis& e : gelesen) {
        e = dat01::ausSatz(datei.liesText());
        m = std::max(m, e.balken);
    }
    datei.schliesse();
    if (!nutzerregister::aktuellerNochDa())
        return;
    m_gezeigtFuer = nutzer;
    m_gezeigtFuerName = nutzername;
    m_gezeigteZeile = zeile;
    for (const dat01::Ergebnis& e : gelesen)
        mem1dat01->appendPlainText(e.zeile);
    pbLeeren();
    if (m < 1)
        return;

    Leinwand& c = pb->canvas();
    c.pinselFarbe = farbe::blau;
    for (int j = 1; j <= 10; ++j) {
        const dat01::Balken b = dat01::balken(j, gelesen[j - 1].balken, m, pb->size());
        c.rechteck(b.x1, b.y1, b.x2, b.y2);
    }
    pb->update();
}
