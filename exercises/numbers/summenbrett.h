#pragma once
// The board of "Summenquadrat": a 10 x 10 board with some digits 1 to 4 and a
// target, the sum of a 3 x 3 square on it; a frame over a 3 x 3 square is moved
// with the arrow keys and wraps at the edges. Cells count from 1, x across.
#include <array>

class Summenbrett {
public:
    static constexpr int kSeite = 10;
    static constexpr int kLetzte = 8;       // the last top-left cell of a square
    static constexpr int kHoechstens = 48;  // 10 + 2 x 19: digits of the 20th task
    using Felder = std::array<std::array<int, kSeite>, kSeite>;  // [x - 1][y - 1], 0 empty

    // A new task: 10 + 2 x richtige digits at random, a target of a random square
    // with a sum of at least 1, the frame at (2, 2).
    void neu(int richtige);
    // A given board and the square (x0, y0) whose sum is the target.
    void setze(const Felder& felder, int x0, int y0);

    int zelle(int x, int y) const { return m_felder[x - 1][y - 1]; }
    // The sum of the 3 x 3 square with the top-left cell (x, y), 1 to 8 each.
    int summe(int x, int y) const;
    int ziffern() const;
    int ziel() const { return m_ziel; }
    int x0() const { return m_x0; }
    int y0() const { return m_y0; }

    // The frame's top-left cell.
    int fx = 2;
    int fy = 2;
    // An arrow key (37 to 40) moves the frame by one cell, wrapping from 8 to 1
    // and from 1 to 8; false for any other key.
    bool bewege(int taste);
    // Any square with the target's sum is right.
    bool getroffen() const { return summe(fx, fy) == m_ziel; }

private:
    Felder m_felder{};
    int m_ziel = 0;
    int m_x0 = 1;
    int m_y0 = 1;
};
