#pragma once
// The per-user level record of the level puzzles: 50 characters, one per
// level, "/" solved, "0".."9" failed attempts, ":" ten failures.
#include <QString>
#include <array>

namespace levelstand {
constexpr int kLevel = 50;
constexpr int kSatzgroesse = 51;
constexpr int kGeloest = -1;
constexpr int kAufgegeben = 10;  // no longer scored

// Index 1..50; index 0 is unused.
using Stati = std::array<int, kLevel + 1>;

// A character outside "/" to ":", or one missing, reads as 0.
Stati ausText(const QString& satz);
QString alsText(const Stati& stati);
// A line of the memos: " 7)  0", "12)  gelöst!", "nicht gelöst!" at ten failures.
QString zeile(int level, int status);

// The statuses to store when a chooser read gelesen, changed it to
// geaendert, and the record is jetzt at the moment it is saved: a level the
// chooser did not change keeps jetzt, a level solved in either stays solved,
// and the failed attempts it made are added to those of jetzt (at most ten).
Stati aufgetragen(const Stati& gelesen, const Stati& geaendert, const Stati& jetzt);
}
