#include "shell/udat02.h"

#include "common/textformat.h"
#include "common/uhr.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/listenfeld.h"
#include "platform/schriften.h"
#include "platform/tasten.h"
#include "shell/ergebnisse.h"
#include "shell/udat01.h"

namespace dat02 {

QString zeile(const highscore::Platz& p)
{
    QString punkte = p.punkte;
    punkte.remove(QLatin1Char(' '));
    if (punkte.isEmpty())
        punkte = QStringLiteral("0");
    QString datum = p.datum;
    datum.remove(QLatin1Char(' '));
    datum = datum.isEmpty() ? QString(10, QLatin1Char(' ')) : ansicht::kurzdatum(datum);
    // an odd record shows as 0 and can still be deleted here
    return p.name.leftJustified(20) + textformat::punktFormat72(ergebnis::punktwert(punkte))
           + QStringLiteral("  ") + datum;
}

}

Tdat02& Tdat02::instanz()
{
    static Tdat02* form = new Tdat02;
    return *form;
}

Tdat02::Tdat02()
{
    setObjectName(QStringLiteral("dat02"));
    setWindowTitle(QStringLiteral("Highscore"));
    setzeMaximiert(true);
    setzeKeyPreview(true);
    setFont(schrift::font(QStringLiteral("Arial"), 19));

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->resize(860, 420);
    Label1 = new QLabel(QStringLiteral("Auswahl mit Cursor und Enter // Ende mit Leertaste"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(10, 12, 840, 28);
    lbox = new Listenfeld(Panel1);
    lbox->setObjectName(QStringLiteral("lbox"));
    lbox->setGeometry(20, 50, 220, 350);
    lbox1 = new Listenfeld(Panel1);
    lbox1->setObjectName(QStringLiteral("lbox1"));
    lbox1->setFont(schrift::font(QStringLiteral("Courier New"), 16));
    lbox1->setGeometry(255, 50, 430, 350);
    cmd1dat02 = new QPushButton(QStringLiteral("anzeigen"), Panel1);
    cmd1dat02->setObjectName(QStringLiteral("cmd1dat02"));
    cmd1dat02->setGeometry(705, 50, 135, 40);
    cmd2dat02 = new QPushButton(QStringLiteral("zurück"), Panel1);
    cmd2dat02->setObjectName(QStringLiteral("cmd2dat02"));
    cmd2dat02->setGeometry(705, 110, 135, 40);
    loeschen = new QPushButton(QStringLiteral("loeschen"), Panel1);
    loeschen->setObjectName(QStringLiteral("loeschen"));
    loeschen->setGeometry(705, 360, 135, 40);
    loeschen->hide();  // the Delete key reveals it for the rest of the run

    connect(cmd1dat02, &QPushButton::clicked, this, [this] { schuetze([this] { wahl(); }); });
    connect(cmd2dat02, &QPushButton::clicked, this, [this] { close(); });
    connect(loeschen, &QPushButton::clicked, this, [this] { schuetze([this] { loeschenClick(); }); });
}

void Tdat02::FormShow()
{
    lbox->clear();
    // The places of an earlier showing may have changed since (a run entered the
    // list): they are not offered for deletion again without a fresh wahl.
    lbox1->clear();
    Panel1->move((width() - Panel1->width()) / 2, (height() - Panel1->height()) / 3);
    ansicht::fuelleUebungsliste(lbox);
    lbox->setFocus();
}

bool Tdat02::FormShortCut(int t, QKeyEvent*)
{
    switch (t) {
    case taste::kEnter:
        wahl();
        return true;
    case taste::kLeer:
        close();
        return true;
    case taste::kEntf:
        loeschen->show();
        return true;
    default:
        return false;
    }
}

void Tdat02::wahl()
{
    lbox1->clear();
    const int zeile = ansicht::gewaehlteZeile(lbox);
    if (zeile < 0)
        return;
    const int block = zeile;  // running index k = line + 1, block k - 1
    m_plaetze = highscore::liesBlock(block);
    m_block = block;
    for (const highscore::Platz& p : m_plaetze)
        lbox1->addItem(dat02::zeile(p));
}

void Tdat02::loeschenClick()
{
    const int p = ansicht::gewaehlteZeile(lbox1);
    if (p < 0 || m_block < 0) {
        dialog::zeige(QStringLiteral("Es wurde kein Eintrag ausgewählt!"));
        return;
    }
    const QString heute = textformat::datum(uhr::heute());
    // In one locked step on the list as it is now: the place shown may have
    // moved down since it was read (a better run entered above it) or be gone.
    highscore::Liste vorher, neu;
    highscore::aendereBlock(m_block, [&](highscore::Liste& liste) {
        vorher = liste;
        int q = liste[p] == m_plaetze[p] ? p : -1;
        for (int k = 0; q < 0 && k < highscore::kPlaetze; ++k)
            if (liste[k] == m_plaetze[p])
                q = k;
        if (q >= 0) {
            for (; q < highscore::kPlaetze - 1; ++q)
                liste[q] = liste[q + 1];
            liste[highscore::kPlaetze - 1] = {QStringLiteral("offen"), QStringLiteral("0"), heute};
        }
        neu = liste;
        return q >= 0;
    });
    if (vorher != m_plaetze) {
        // another program changed the list: show it as it is now
        m_plaetze = neu;
        lbox1->clear();
        for (const highscore::Platz& platz : m_plaetze)
            lbox1->addItem(dat02::zeile(platz));
        return;
    }
    m_plaetze = neu;
    delete lbox1->takeItem(p);
    // nothing stays chosen: a second press does not delete the next place
    lbox1->clearSelection();
    lbox1->QAbstractItemView::setCurrentIndex(QModelIndex());
    lbox1->addItem(QStringLiteral("offen").leftJustified(20) + QStringLiteral("   0.00") + QStringLiteral("   ") + heute);
}
