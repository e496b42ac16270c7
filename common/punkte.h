#pragma once
// Score arithmetic of the common scoring, in single precision.
#include <QString>

namespace punkte {
constexpr float kStart = 100.0f;
constexpr float kProAufgabe = 100.0f;
constexpr float kMindestens = 2.0f;

// Cut to two decimals as far as single precision holds them: 1234.5678 -> 1234.56.
float zweiDezimalen(float wert);
// The end of a run: minus the elapsed seconds, at least 2.0, cut to two decimals.
float abschluss(float punkte, double sekunden);
// "Sie haben 1234 Punkte erreicht!"
QString meldungText(float punkte);
}
