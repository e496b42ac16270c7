#pragma once
// The user register "xbasan.dat": 40 plaetze of 20 characters, "-----" when free.
#include <QString>
#include <QStringList>

namespace nutzerregister {
constexpr int kSlots = 40;
inline const QString kDatei = QStringLiteral("xbasan.dat");
inline const QString kFrei = QStringLiteral("-----");

QStringList lies();                      // the 40 slot texts
void schreibe(const QStringList& plaetze); // all 40 back
bool frei(const QString& slot);          // its first two characters are "--"
int belegt(const QStringList& plaetze);    // number of used plaetze

// Enters name in one locked step on the register as it is now, so that two
// programs entering users at once take different slots: into the first free
// slot, cut to its capacity, unless a slot holds it already (compared with
// a to z in capitals).
struct Eintrag {
    int doppelt = 0;  // slots that hold the name already; then nothing is written
    int slot = 0;     // where it was entered, from 1; 0 if not
};
Eintrag trageEin(const QString& name);

// True when the register, read now, holds exactly name in slot (from 1). A
// save for a user calls it while it holds the register's lock with its own
// files, so that nothing is saved for a user who was deleted or replaced at
// another desk meanwhile.
bool haelt(int slot, const QString& name);
// What such a save shows instead of saving.
QString nichtMehrEingetragen(const QString& name);
// For a window that has read the current user's results: true when the
// register, read after them, still holds him, so they were his. Otherwise it
// says so, and the window shows none of them: they may be those of the next
// user in his slot.
bool aktuellerNochDa();
}

// Sets the captions of the two main windows to the current user.
void hauptfenstertitelSetzen();
