#pragma once
// One task of "FARFO I" and "FARFO II" without a window: a field of 14 x 10
// cells (columns and rows count from 1); columns 1 to 10 are the search field,
// the sample is the block of columns 12 to 14, rows 1 to 3. Code 0 is an empty
// cell, 1 to 4 the four kinds of item. The user's 3 x 3 block is named by its
// top-left cell, 1 to 8 each way.
#include <QPoint>
#include <array>

class Farfofeld {
public:
    static constexpr int kSpalten = 14;
    static constexpr int kZeilen = 10;
    static constexpr int kSuche = 10;        // columns and rows of the search field
    static constexpr int kMusterSpalte = 12;  // the sample's first column
    static constexpr int kBlock = 3;
    static constexpr int kArten = 4;

    // 10 + 3 x richtige items in as many different cells of the search field,
    // each code drawn first (1 to 4), then its cell among the empty ones; then
    // the sample's origin among the blocks holding at least one item, and its
    // nine codes copied into the sample. Every draw ends.
    void neueAufgabe(int richtige);

    static int anzahlFuer(int richtige) { return 10 + 3 * richtige; }
    int code(int spalte, int zeile) const;
    QPoint ursprung() const { return m_ursprung; }
    // The block with that top-left cell equals the sample in all nine codes,
    // empty cells included.
    bool gleichDemMuster(QPoint block) const;
    // For tests: sets one code directly.
    void setze(int spalte, int zeile, int code);

private:
    int& zelle(int spalte, int zeile) { return m_codes[(spalte - 1) * kZeilen + zeile - 1]; }
    bool blockBelegt(QPoint block) const;

    std::array<int, kSpalten * kZeilen> m_codes{};  // column by column
    QPoint m_ursprung{1, 1};
};
