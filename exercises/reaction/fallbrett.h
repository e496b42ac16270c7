#pragma once
// The walled field of the falling-block games: 9 columns by 14 rows between two
// walls and above a floor, with one more row above the field that only a turned
// piece reaches. The falling piece lives beside the board until it is fixed, so
// a free-cell test never sees the piece's own blocks.
#include <array>
#include <vector>

// The pieces' parts, apart from the other boards' cells and blocks.
namespace fall {

struct Zelle {
    int x = 0;
    int y = 0;
};

// A block of the falling piece: its cell and the value it leaves when fixed.
struct Block {
    int x = 0;
    int y = 0;
    int wert = 0;
};

struct Stein {
    int form = 0;  // the piece's type or shape
    int lage = 1;  // orientation 1..4
    std::vector<Block> bloecke;
};

// One turn: the cells it tests and how far each block moves, both relative to
// block 1 before the turn.
struct Drehung {
    int form;
    int von;
    int nach;
    std::vector<Zelle> geprueft;
    std::vector<Zelle> weg;
};

}  // namespace fall

class Fallbrett {
public:
    static constexpr int kLinks = 1;  // the field's columns and rows
    static constexpr int kRechts = 9;
    static constexpr int kOben = 0;
    static constexpr int kUnten = 13;
    static constexpr int kWand = 1;

    // Walls and floor, an empty field and an empty row above it.
    void leeren();
    // Outside columns 0..10 and rows -1..14 every cell counts as wall.
    int wert(int x, int y) const;
    bool frei(int x, int y) const { return wert(x, y) == 0; }
    void setze(int x, int y, int w);

    // Whether every block of the piece could stand dx columns and dy rows away.
    bool passt(const fall::Stein& s, int dx, int dy) const;
    static void verschiebe(fall::Stein& s, int dx, int dy);
    // How many rows the piece can fall before a block would meet a taken cell.
    int fallweite(const fall::Stein& s) const;
    // The turn of the table that fits the piece, if all its tested cells are free.
    bool drehe(fall::Stein& s, const std::vector<fall::Drehung>& tabelle) const;

private:
    static bool gueltig(int x, int y);
    static int index(int x, int y) { return (x + 1) * 17 + (y + 1); }
    std::array<int, 13 * 17> m_feld{};  // column by column, x -1..11, y -1..15
};
