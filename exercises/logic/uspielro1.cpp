#include "exercises/logic/uspielro1.h"

#include "common/fehler.h"
#include "common/satzdatei.h"
#include "common/zustand.h"
#include "exercises/shared/dezimalantwort.h"
#include "exercises/shared/fensterteile.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "platform/schriften.h"
#include "platform/tasten.h"
#include "shell/nutzerregister.h"
#include "shell/uebungsrahmen.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QTimer>

const std::vector<Levelspiel>& Tspielro1::mitglieder()
{
    static const std::vector<Levelspiel> t{
        {107, QStringLiteral("Tspielro1"), QStringLiteral("ROBBI"), QStringLiteral("robbier.dat"), false},
        {106, QStringLiteral("Tspielsp1"), QStringLiteral("Springen"), QStringLiteral("springer.dat"), false},
        {105, QStringLiteral("Tspielsc1"), QStringLiteral("Schieben"), QStringLiteral("schieber.dat"), false},
        {119, QStringLiteral("Tspielra1"), QStringLiteral("Rangieren"), QStringLiteral("rangier.dat"), true},
    };
    return t;
}

const Levelspiel& Tspielro1::mitglied(int programm)
{
    for (const Levelspiel& s : mitglieder())
        if (s.programm == programm)
            return s;
    return mitglieder().front();
}

QStringList Tspielro1::rangierRegeln()
{
    return {
        QStringLiteral("Das Ziel eines jeden Levels besteht darin, dass der Roboter alle grünen"),
        QStringLiteral("Bälle abschießt, oder, daß der Roboter auf das Z-Element bewegt wird."),
        QStringLiteral("Sie können die entsprechenden Schaltflächen mit der Maus anklicken."),
        QStringLiteral("Der Roboter kann aber auch über die Tastatur gesteuert werden."),
        QStringLiteral("Er wird dann mit den Cursor-Tasten (Pfeiltasten) bewegt. Andere"),
        QStringLiteral("Aktionen werden über die in Klammern stehenden Buchstaben ausgeführt."),
        QString(),
        QStringLiteral("Ball (grüner Kreis)"),
        QStringLiteral("Die Bälle können abgeschossen werden. Achtung: Falls die Kugel etwas"),
        QStringLiteral("anderes als einen Ball trifft, so wird der Roboter von einem Querschläger"),
        QStringLiteral("getroffen."),
        QString(),
        QStringLiteral("Bohrkreuz (grünes Kreuz)"),
        QStringLiteral("Um das Bohrkreuz aufzulösen, muss der Roboter zwei der vier"),
        QStringLiteral("Randelemente aufbohren."),
        QString(),
        QStringLiteral("Wasser (blaues Feld)"),
        QStringLiteral("Das Wasser kann nicht Überquert werden. Es ist aber möglich, eine"),
        QStringLiteral("Kiste in das Wasser zu legen. Da die Höhe der Kiste der Tiefe des Wassers"),
        QStringLiteral("entspricht, ist der Weg dann frei."),
        QString(),
        QStringLiteral("Hindernis (gestreifte Raute)"),
        QStringLiteral("Die rautenförmigen Hindernisse können nicht verändert werden. Das"),
        QStringLiteral("Betreten der Felder ist nicht möglich."),
        QString(),
        QStringLiteral("Plattform / Insel (Quadrat mit blauem Rand)"),
        QStringLiteral("Der Roboter kann die Plattform betreten. Falls er aber einen"),
        QStringLiteral("Gegenstand trägt, so ertrinkt er. Die Plattform kann das Gewicht nicht tragen."),
        QString(),
        QStringLiteral("Pakete (kleines Quadrat)"),
        QStringLiteral("Die Pakete werden auf den Roboter \"aufgeladen\". Sie werden zum"),
        QStringLiteral("Löschen der Sperren benötigt."),
        QString(),
        QStringLiteral("Ablagefeld (Quadrat mit zwei Diagonalen)"),
        QStringLiteral("Wenn Sie ein Paket auf ein Ablagefeld legen, so verschwindet eines"),
        QStringLiteral("der vier Elemente des Sperrfeldes. Das Paket kann anschließend nicht"),
        QStringLiteral("mehr aufgenommen werden."),
        QString(),
        QStringLiteral("Sperre (vier waagerechte Linien)"),
        QStringLiteral("Die Sperren verschwinden vollständig, wenn vier Pakete auf den vier"),
        QStringLiteral("Ablagefeldern liegen."),
        QString(),
        QStringLiteral("Pfeile (grüne Pfeile)"),
        QStringLiteral("Die Pfeile haben die Wirkung von Einbahnstraßen. Eine Drehung auf"),
        QStringLiteral("den Pfeilen ist nicht vorgesehen. Sollte sich Robbi aber auf einem Pfeil"),
        QStringLiteral("befinden, ist sein Rückwärtslaufen möglich."),
        QString(),
        QStringLiteral("Kisten (großes rotes Quadrat mit einem gelben Muster)"),
        QStringLiteral("Die Kisten trägt der Roboter vor sich her. Er ist dadurch in seiner"),
        QStringLiteral("Bewegungsfähigkeit eingeschränkt. Der Befehl \"drehen\" lässt sich"),
        QStringLiteral("nicht ausführen, wenn der Roboter eine Kiste trägt."),
        QString(),
        QStringLiteral("Wackelfeld (kleine blaue Kreise)"),
        QStringLiteral("Die Wackelfelder kann der Roboter betreten. Nach dem Verlassen des"),
        QStringLiteral("Feldes fallen die Wackelfelder in das darunter liegende Wasser."),
        QString(),
    };
}

Tspielro1::Tspielro1(const Levelspiel& art, Brettzeigen brett) : m_art(art), m_brett(std::move(brett))
{
    setObjectName(art.klasse);
    setWindowTitle(art.titel);
    // the only way out is the level number 0
    setzeOhneRahmenknoepfe();
    setzeFarbe(farbe::buttonFace());

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    Label1 = teile::etikett(Panel1, QStringLiteral("Label1"), QStringLiteral("Arial"), 19);
    Label1->setText(QStringLiteral("Levelwahl (1-50, Ende mit 0)"));
    Edit1 = new QLineEdit(Panel1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFont(schrift::font(QStringLiteral("Arial"), 24));
    Edit1->setMaxLength(2);
    Edit1->resize(80, 40);
    dezimal::verbindeFeld(
        Edit1,
        [](int z) { return (z >= '0' && z <= '9') || z == taste::kRueck || z == taste::kEnter; },
        [this](int t) { Edit1KeyUp(t); });
    const int breite = Label1->fontMetrics().horizontalAdvance(Label1->text()) + 40;
    Panel1->resize(breite, 110);
    Label1->setGeometry(0, 10, breite, 30);
    Edit1->move((breite - Edit1->width()) / 2, 55);

    Memo1 = teile::memo(this, QStringLiteral("Memo1"), QStringLiteral("Courier New"), 16, farbe::fensterHintergrund());
    Memo2 = teile::memo(this, QStringLiteral("Memo2"), QStringLiteral("Courier New"), 16, farbe::fensterHintergrund());
    if (art.regeln) {
        Memo3 = teile::memo(this, QStringLiteral("Memo3"), QStringLiteral("Arial"), 13, farbe::fensterHintergrund());
        Memo3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        Memo3->setPlainText(rangierRegeln().join(QLatin1Char('\n')));
    }
    setzeMaximiert(true);
}

void Tspielro1::anordnen()
{
    const int w = aussenmass().width();
    const int h = aussenmass().height();
    Memo1->setGeometry(w / 20, h / 20, 4 * w / 20, 17 * h / 20);
    Memo2->setGeometry(15 * w / 20, h / 20, 4 * w / 20, 17 * h / 20);
    teile::mittig(Panel1, (m_art.regeln ? 15 : 10) * h / 20);
    if (Memo3)
        Memo3->setGeometry(11 * w / 40, h / 20, 9 * w / 20, 12 * h / 20);
}

// Once per opening: a board closing does not read the statuses again.
void Tspielro1::FormActivate()
{
    anordnen();
    m_punkte = 0;
    m_bereit = false;
    Edit1->clear();
    // nothing of the last opening's user stays in view while this one's record is read
    Memo1->clear();
    Memo2->clear();
    try {
        Satzdatei d(m_art.datei, levelstand::kSatzgroesse);
        d.positioniere(nutzer - 1);
        m_stati = levelstand::ausText(d.liesText());
        m_gelesen = m_stati;
        d.schliesse();
        if (!nutzerregister::aktuellerNochDa()) {
            QTimer::singleShot(0, this, [this] { close(); });
            return;
        }
    } catch (const EAFehler& e) {
        // neither shown nor stored: the chooser closes without recording
        zeigeFehler(e);
        QTimer::singleShot(0, this, [this] { close(); });
        return;
    }
    m_bereit = true;
    schreiben();
    Edit1->setFocus();
}

void Tspielro1::FormClose() { m_bereit = false; }

void Tspielro1::schreiben()
{
    for (QTextEdit* memo : {Memo1, Memo2}) {
        const int erster = memo == Memo1 ? 1 : 26;
        QStringList zeilen;
        for (int i = erster; i < erster + 25; ++i)
            zeilen << levelstand::zeile(i, m_stati[i]);
        memo->setPlainText(zeilen.join(QLatin1Char('\n')));
    }
}

void Tspielro1::Edit1KeyUp(int t)
{
    const QString text = Edit1->text();
    if (t != taste::kEnter || !m_bereit || text.isEmpty() || text.size() > 9)
        return;
    levelnr = text.toInt();
    if (levelnr >= 1 && levelnr <= levelstand::kLevel)
        spiele(levelnr);
    Edit1->clear();
    if (levelnr == 0)
        ende();
}

void Tspielro1::spiele(int level)
{
    int& status = m_stati[level];
    bool gewertet = true;
    if (status == levelstand::kGeloest) {
        dialog::zeige(QStringLiteral("Das Level ist bereits gelöst! Es wird nicht mehr gewertet!"));
        gewertet = false;
    } else if (status == levelstand::kAufgegeben) {
        dialog::zeige(QStringLiteral("Das Level wird nicht mehr gewertet!"));
        gewertet = false;
    }
    // an unscored level can still be played; one that did not load is no attempt
    const bool gespielt = m_brett();
    if (gewertet && gespielt) {
        if (levelnr > 100) {
            m_punkte += 20 - status;
            status = levelstand::kGeloest;
        } else {
            ++status;
        }
        schreiben();
    }
    levelnr = 99;
}

// The statuses are stored and the chooser closes whatever the result entry
// did, so no level solved is lost and no second 0 records the opening again.
// Nothing is stored for a user deleted at another desk meanwhile. One message
// tells what of the result, the highscore and the levels was not saved.
void Tspielro1::ende()
{
    m_bereit = false;
    Laufende laufende;
    bool eingetragen = true;
    try {
        eingetragen = uebungsende(m_art.programm, float(m_punkte), {}, Endfolge::Meldefenster, laufende);
    } catch (const std::exception& e) {
        zeigeFehler(e);
    }
    if (eingetragen)
        laufende.speichere(Laufende::Eintrag::Level, m_art.datei, [this] { sichern(); });
    laufende.melde();
    m_punkte = 0;
    close();
}

// Read, changed and written under the locks of the register and the level
// file, so that a level another desk solved meanwhile stays solved.
void Tspielro1::sichern()
{
    Satzdatei d(m_art.datei, levelstand::kSatzgroesse);
    d.positioniere(nutzer - 1);
    const QString jetzt = d.liesText();
    const QString neu = levelstand::alsText(levelstand::aufgetragen(m_gelesen, m_stati, levelstand::ausText(jetzt)));
    if (neu != jetzt) {
        d.positioniere(nutzer - 1);
        d.schreibeText(neu);
    }
    d.schliesse();
}
