#pragma once
// The short program names (button captions, result lines) and the exercise names
// in menu order (plan editor).
#include <QString>

// 13 rows x 12 columns: row 0 the top level, row 1 administration, rows 2 to 11
// the categories, row 12 filled but never shown.
const QString& kurznamen(int zeile, int spalte);
// Entries 1 to 110 are the exercises in menu order; 111 to 131 are empty.
const QString& programmnamen(int k);
