#pragma once
// Training plans: the plan file "xbasplan.dat" (50 records of a name padded to
// 20 characters and one letter per exercise), the letters that name exercises,
// and the run of a plan through the dispatcher of the menu that was used.
#include "shell/aufruf.h"

#include <QString>
#include <QStringList>

class QListWidget;

inline QString plansatz;    // the record chosen in the plan choice, empty if none
inline QString planfolge;   // its letters (button menu)
inline int planstart = 1;   // the entry, from 1, at which the run starts

namespace plan {
constexpr int kPlaene = 50;
constexpr int kNamenlaenge = 20;
constexpr int kEintraege = 20;
constexpr int kKapazitaet = kNamenlaenge + kEintraege;
inline const QString kDatei = QStringLiteral("xbasplan.dat");

// A free record: "offen" and 15 blanks.
QString frei();
// Its first five characters are "offen".
bool istFrei(const QString& satz);

// The 50 records, plan 1 first; throws the file's error.
QStringList lies();
void schreibe(const QStringList& saetze);
// True when a record begins with name: an empty name, or one that begins a
// free record, counts as taken too.
bool nameVergeben(const QStringList& saetze, const QString& name);
// What an editor changed from gelesen (the records it read) to neu, put onto
// the file as it is now in one locked step: a plan changed or deleted there
// only while its record still holds it, a new plan (or a changed one that
// another program deleted meanwhile) into a free record unless its name is
// taken. Returns the messages of what was refused, to be shown afterwards.
QStringList speichereAenderungen(const QStringList& gelesen, const QStringList& neu);

// The letters that name an exercise, in order; any other character is dropped.
QString gueltige(const QString& buchstaben);

// The selected line of a list box, -1 when none is selected.
int gewaehlteZeile(const QListWidget* liste);
}

// Program 8: asks for a plan and runs its exercises through the dispatcher of
// the menu art (the button menu also asks for the entry to start at).
void planauf(Menueart art);
