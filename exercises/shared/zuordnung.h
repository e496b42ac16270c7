#pragma once
// The rounds of the pair grids apart from the window: records "left,right",
// the groups of 8 records, the round of 6 pairs on 2 x 6 cells and the picks.
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace zuordnung {

constexpr int kProGruppe = 8;
constexpr int kPaare = 6;
constexpr int kZeilen = 6;
constexpr int kSpalten = 2;
constexpr int kRundenJeBlock = 5;

struct Paar {
    QString links;
    QString rechts;
};
// Split at the first comma; a record without one is all left, with an empty right half.
Paar teile(const QString& satz);

// The group of block b (1 on), round r: (b - 1) x 5 + r.
inline int blockgruppe(int block, int runde) { return (block - 1) * kRundenJeBlock + runde; }
// Group g (1 on) is the 8 records from (g - 1) x 8 on.
inline int ersterSatz(int gruppe) { return (gruppe - 1) * kProGruppe; }

struct Zelle {
    QString text;
    int paar = 0;  // 1 to 6; 0 once solved
};

enum class Wahl {
    Nichts,   // a solved cell, or a place outside the grid
    Erste,    // the first pick of a pair
    Treffer,  // the second half of the first pick's pair
    Fehler,   // another pair, or the first pick's own cell again
};

class Runde {
public:
    // Draws 6 different of the group's 8 records, puts pair i's halves in row i
    // and shuffles the cells by ten exchanges of two drawn cells.
    void mische(const QStringList& tabelle, int gruppe);

    // Column 1-2, row 1-6.
    const Zelle& zelle(int spalte, int zeile) const;
    Wahl waehle(int spalte, int zeile);

    bool ersteWartet() const { return m_zahl == 1; }
    int ersteSpalte() const { return m_ersteSpalte; }
    int ersteZeile() const { return m_ersteZeile; }
    int geloest() const { return m_geloest; }
    bool fertig() const { return m_geloest == kPaare; }
    // The record numbers of the round's pairs, in the order drawn.
    const std::vector<int>& saetze() const { return m_saetze; }

private:
    static bool imGitter(int spalte, int zeile)
    {
        return spalte >= 1 && spalte <= kSpalten && zeile >= 1 && zeile <= kZeilen;
    }
    Zelle& z(int spalte, int zeile) { return m_zellen[spalte - 1][zeile - 1]; }

    std::array<std::array<Zelle, kZeilen>, kSpalten> m_zellen{};
    std::vector<int> m_saetze;
    int m_zahl = 0;  // picks of the pair so far, 0 or 1
    int m_ersteSpalte = 0;
    int m_ersteZeile = 0;
    int m_erstesPaar = 0;
    int m_geloest = 0;
};

}
