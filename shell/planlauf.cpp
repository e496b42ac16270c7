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

namespace plan {

QString frei() { return QStringLiteral("offen").leftJustified(kNamenlaenge, QLatin1Char(' ')); }

bool istFrei(const QString& satz) { return satz.startsWith(QLatin1String("offen")); }

QStringList lies() { return Satzdatei::liesTexte(kDatei, kKapazitaet + 1, kPlaene); }

void schreibe(const QStringList& saetze) { Satzdatei::schreibeTexte(kDatei, kKapazitaet + 1, saetze); }

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
