#include "shell/planlauf.h"

#include "common/cp1252.h"
#include "common/programme.h"
#include "common/satzdatei.h"
#include "common/zustand.h"
#include "platform/dialoge.h"
#include "shell/uform1.h"
#include "shell/umeldung.h"
#include "shell/uplan01.h"
#include "shell/uplan03.h"

#include <QListWidget>
#include <algorithm>

namespace plan {

QString frei() { return QStringLiteral("offen").leftJustified(kNamenlaenge, QLatin1Char(' ')); }

bool istFrei(const QString& satz) { return satz.startsWith(QLatin1String("offen")); }

QStringList lies() { return Satzdatei::liesTexte(kDatei, kKapazitaet + 1, kPlaene); }

void schreibe(const QStringList& saetze) { Satzdatei::schreibeTexte(kDatei, kKapazitaet + 1, saetze); }

bool nameVergeben(const QStringList& saetze, const QString& name)
{
    return std::any_of(saetze.cbegin(), saetze.cend(), [&](const QString& satz) { return satz.left(name.size()) == name; });
}

QStringList speichereAenderungen(const QStringList& gelesen, const QStringList& neu)
{
    // a save: held too long, the plans say that nothing was saved
    Dateigruppe gruppe({kDatei});
    Satzdatei& datei = gruppe.oeffne(kDatei, kKapazitaet + 1);
    QStringList jetzt;
    for (int i = 0; i < kPlaene; ++i)
        jetzt << datei.liesText();
    const QStringList vorher = jetzt;
    const auto name = [](const QString& satz) { return satz.left(kNamenlaenge); };
    // changes and deletions first, so that a new plan may take a freed record
    QList<int> anlegen;
    for (int i = 0; i < kPlaene && i < gelesen.size() && i < neu.size(); ++i) {
        if (gelesen[i] == neu[i])
            continue;
        const bool nochDa = !istFrei(gelesen[i]) && name(jetzt[i]) == name(gelesen[i]);
        if (nochDa && !istFrei(neu[i]) && name(neu[i]) == name(gelesen[i])) {
            jetzt[i] = neu[i];
            continue;
        }
        if (nochDa)
            jetzt[i] = frei();
        if (!istFrei(neu[i]))
            anlegen << i;
    }
    QStringList meldungen;
    for (const int i : anlegen) {
        QString n = name(neu[i]);
        while (n.endsWith(QLatin1Char(' ')))
            n.chop(1);
        if (nameVergeben(jetzt, n)) {
            meldungen << QStringLiteral("Der Planname existiert bereits!");
            continue;
        }
        const int ziel = istFrei(jetzt[i]) ? i : int(std::find_if(jetzt.cbegin(), jetzt.cend(), istFrei) - jetzt.cbegin());
        if (ziel >= kPlaene) {
            meldungen << QStringLiteral("Es ist kein Platz mehr frei!!");
            continue;
        }
        jetzt[ziel] = neu[i];
    }
    bool geaendert = false;
    for (int i = 0; i < kPlaene; ++i) {
        if (jetzt[i] == vorher[i])
            continue;
        datei.positioniere(i);
        datei.schreibeText(jetzt[i]);
        geaendert = true;
    }
    if (geaendert)
        gruppe.schreibe();
    return meldungen;
}

QString gueltige(const QString& buchstaben)
{
    QString s;
    for (QChar b : buchstaben)
        if (programm::ausBuchstabe(b) != 0)
            s += b;
    return s;
}

int gewaehlteZeile(const QListWidget* liste)
{
    const QList<QListWidgetItem*> gewaehlt = liste->selectedItems();
    return gewaehlt.isEmpty() ? -1 : liste->row(gewaehlt.first());
}

}

namespace {

void starte(int v, Menueart art)
{
    if (art == Menueart::Knopfmenue && TForm1::hauptfenster()) {
        TForm1::hauptfenster()->aufruf((v - 1) / 11 + 2, (v - 1) % 11 + 1);
        return;
    }
    aufruf(programm::ausLaufindex(v), art);
}

}

void planauf(Menueart art)
{
    if (nutzer == 0) {
        dialog::zeige(QStringLiteral("Es wurde kein Benutzer gewählt!"));
        return;
    }
    plansatz.clear();
    Tplan01::instanz().zeigeModal();
    // letters that name no exercise (a damaged file) are never run
    const QString folge = plan::gueltige(plansatz.mid(plan::kNamenlaenge));
    if (folge.isEmpty()) {
        dialog::zeige(QStringLiteral("Der Plan ist leer!"));
        return;
    }
    int start = 1;
    if (art == Menueart::Knopfmenue) {
        planfolge = folge;
        planstart = 1;
        Tplan03::instanz().zeigeModal();
        start = planstart;
    }
    for (int e = start; e <= folge.size(); ++e) {
        starte(programm::ausBuchstabe(folge.at(e - 1)), art);
        if (e < folge.size()) {
            zeigemeldung(2);
            if (meldemodus != 1)
                return;
        }
    }
    meldung = QStringLiteral("Der Ablaufplan ist beendet!");
    zeigemeldung(1);
}
