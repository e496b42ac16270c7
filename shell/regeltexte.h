#pragma once
// Rules texts shown by the rules window before an exercise starts.
#include <QStringList>
#include <vector>

// One rules list; several exercises can share one list.
struct Regelliste {
    std::vector<int> programme;  // program numbers that show this list
    QStringList zeilen;          // lines exactly as shown, trailing blanks included
};

// The lists, grouped by the categories that own them (a shared list lives with
// the lowest program number that uses it).
std::vector<Regelliste> regelnZahlenBisWoerter();        // programs 13-59
std::vector<Regelliste> regelnReaktionBisGedaechtnis();  // programs 61-95
std::vector<Regelliste> regelnLogikBisWissen();          // programs 97-131

// The lines for program n; empty for a number without a list.
const QStringList& regelzeilen(int n);
