#pragma once
// Pair files of the matching grids: one record "left,right" per line under the
// header "paar", split at the first comma (the right half may hold a decimal
// comma). The grid shows each half in a cell of its own, and a match is told by
// the pair's number, so within a group of 8 records every half must be unique.
#include "content/inhalte.h"

// The kind of a pair file with that many records; a half is at most haelfteMax
// characters so that it fits its cell.
Inhaltsart paardatei(const char* datei, int saetze, int haelfteMax);
