#pragma once
// The tasks of "Reihenfolge" and "Planen", apart from the window: four items in
// their right order, shuffled for the sheet, and the picks that rebuild them.
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace ordnen {

using Vier = std::array<QString, 4>;

struct Aufgabe {
    QString text;   // the task text above the sheet
    Vier richtig;   // the right order
    Vier gezeigt;   // the order on the sheet, rows A to D
};

// "Reihenfolge": four terms of 20 characters each, trailing blanks cut; the
// first gets " *".
Vier reihenfolgeSatz(const QString& satz);
// "Planen": a group of four records, two text lines joined by a blank, then two
// records of two steps of 35 characters each.
struct Plan {
    QString text;
    Vier schritte;
};
Plan planGruppe(const QStringList& vier);

// Ten swaps of two positions, each cut(r x 4) + 1 (a swap may meet itself).
void mische(Vier& v);

// A record number 1..anzahl not used yet in the run, marked used. Drawn among
// the unused ones, so the draw ends; none left is a German error.
int ziehe(std::vector<bool>& benutzt);

// The picks of one task.
class Auswahl {
public:
    void neu() { m_zahl = 0; }
    int zahl() const { return m_zahl; }
    const QString& gewaehlt(int i) const { return m_liste[i]; }
    // Appends an item; false when four are picked already.
    bool waehle(const QString& item);
    // Takes the last pick back; false with nothing picked.
    bool zurueck();
    // 25 for each place where the pick equals the right item.
    float punkte(const Vier& richtig) const;

private:
    Vier m_liste;
    int m_zahl = 0;
};

}
