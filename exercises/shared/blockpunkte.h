#pragma once
// The block-coded score of the grid exercises: the whole points of a run carry
// the chosen block in their hundredths.
#include <QString>

namespace blockpunkte {
// Whole points + block x 0.01 + zusatz, worked out in double and stored as
// float. The 0.0005 keeps the float from falling below the block's hundredths.
float wert(float punkte, int block, double zusatz = 0.0005);
// "Sie haben " + the first zeichen characters of the score's text + " Punkte erreicht!"
QString meldung(float wert, int zeichen = 7);
}
