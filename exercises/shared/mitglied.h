#pragma once
// The row of a family's member table for a program number; the first row for
// a number the table does not hold.
#include <vector>

template <typename Art> const Art& mitgliedVon(const std::vector<Art>& tabelle, int programm)
{
    for (const Art& a : tabelle)
        if (a.programm == programm)
            return a;
    return tabelle.front();
}
