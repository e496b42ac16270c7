#pragma once
// Sentence files of the sentence grids.
// Gap sentences: one column "satz", the gap word in square brackets; the
// record is the sentence without brackets padded to 74 characters, then the
// gap word's first and last position (from 1), right-aligned in 2 characters.
// Sentence halves: columns "erste|zweite", 40 characters each.
#include "content/inhalte.h"

namespace satzdateien {
constexpr int kSatzMax = 74;
constexpr int kLueckeMax = 13;
constexpr int kHaelfteMax = 40;
constexpr int kHaelftenJeRunde = 7;

// The record text of a bracketed source sentence, or what is wrong in *fehler.
QString lueckensatz(const QString& quelle, QString* fehler);
}

Inhaltsart lueckendatei(const char* datei, int saetze);
Inhaltsart haelftendatei(const char* datei, int saetze);
