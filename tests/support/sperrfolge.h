#pragma once
// The lock order, checked from outside: while on, every lock taken (not on a
// temporary copy) is compared with the locks this process holds already; one
// on a file whose path sorts after it breaks the order. Needs the share
// simulation (freigaberegeln.cpp) linked, whose flock reports each lock.
#include <QStringList>

namespace sperrfolge {

// Switching it on or off forgets the breaks seen so far.
void pruefe(bool an);
// Each break as "new path after held path".
QStringList brueche();

}
