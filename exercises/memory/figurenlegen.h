#pragma once
// The rules of "Figuren legen" apart from the window: square tiles cut by their
// diagonals into four coloured triangles, laid on a 5 x 5 board so that every
// edge shared with a laid tile has the same colour.
#include <QPoint>
#include <array>

namespace figuren {

constexpr int kSeite = 5;               // columns and rows of the board
constexpr int kKacheln = kSeite * kSeite;  // tiles in the stock
constexpr int kFarben = 4;              // codes 1 red, 2 yellow, 3 green, 4 blue
constexpr int kTausche = 30;            // exchanges of the shuffle

// Colour codes top, right, bottom, left; 0 is no colour (an empty cell).
struct Kachel {
    int oben = 0, rechts = 0, unten = 0, links = 0;
    bool belegt() const { return oben > 0; }
    bool operator==(const Kachel&) const = default;
};

// Indexed [column][row], column 0 left, row 0 top.
using Brett = std::array<std::array<Kachel, kSeite>, kSeite>;

// A quarter turn clockwise, one counter-clockwise, the mirror image about the
// vertical axis.
Kachel rechts(Kachel k);
Kachel links(Kachel k);
Kachel spiegeln(Kachel k);

struct Puzzle {
    std::array<Kachel, kKacheln> vorrat;  // stock tiles 1 to 25 at 0 to 24
    std::array<QPoint, kKacheln> platz;   // where each lies on the solved board
};

// A board filled column by column from random codes 1 to 4 with every touching
// edge matched, 30 exchanges of whole tiles between cells drawn from all five
// columns and rows, then read into the stock column by column, top to bottom.
Puzzle neuesPuzzle();

enum class Pruefung {
    Belegt,        // the cell holds a tile
    PasstNicht,    // a laid neighbour shows another colour on the shared edge
    Allein,        // fits, no laid neighbour: laid without points
    Angelegt,      // fits beside at least one laid tile
};

// Whether tile t may go on cell z (inside the board), neighbours tested left,
// right, above, below.
Pruefung pruefe(const Brett& brett, QPoint z, const Kachel& t);

}
