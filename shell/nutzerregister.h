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
}

// Sets the captions of the two main windows to the current user.
void hauptfenstertitelSetzen();
