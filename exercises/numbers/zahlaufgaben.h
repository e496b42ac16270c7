#pragma once
// The task makers of the typed-number exercises: each seeds the generator and
// draws a task from the range of the level it is given. A level outside a
// maker's range is taken as its nearest level, so every draw ends.
#include <QString>
#include <array>

struct Zahlaufgabe {
    QString text;                 // the task as shown (empty for the board)
    int loesung = 0;
    std::array<bool, 36> feld{};  // the board of "Zählen": marked cells, row by row
};

// Used entries of the number-word table, indexed 1..80; cleared at each start.
using Zahlwortflags = std::array<bool, 81>;

namespace aufgaben {
Zahlaufgabe tippen(int level, Zahlwortflags&);      // levels 1..5
Zahlaufgabe zaehlen(int level, Zahlwortflags&);     // levels 1..5
Zahlaufgabe zahlwort(int level, Zahlwortflags& benutzt);  // levels 0..3
Zahlaufgabe plusMinus(int level, Zahlwortflags&);   // levels 0..4
Zahlaufgabe malGeteilt(int level, Zahlwortflags&);  // levels 0..4
Zahlaufgabe kette(int level, Zahlwortflags&);       // levels 1..5
}
