#pragma once
// The rules of the Springen board without a window: a 16 x 16 grid whose
// cells outside the 10 x 10 board hold 99, the cursor, the picked peg and the
// peg counter. A level is cleared when one peg is left.
#include <QByteArray>
#include <QPoint>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace springen {
constexpr int kTot = 0;      // a dead cell: nothing jumps over or onto it
constexpr int kAussen = 1;   // outside the board
constexpr int kStein = 2;
constexpr int kLoch = 3;
constexpr int kGewaehlt = 4;
constexpr int kRand = 99;
}

class Springbrett {
public:
    static constexpr int kZellen = 100;

    // The 100 letters of a level, row by row; missing ones are dead cells.
    void lade(const QByteArray& zellen);

    // An arrow key (1 up, 2 right, 3 down, 4 left); the cursor wraps within
    // the columns and rows 1 to 10.
    void pfeil(int richtung);
    // Enter or a click on (x, y); answers the cells whose codes changed.
    std::vector<QPoint> waehle(int x, int y);

    // The cell under a click at (X, Y) on a board of unit u; none past
    // column or row 10.
    static std::optional<QPoint> zelleBei(int X, int Y, int u);

    int feld(int x, int y) const;
    QPoint cursor() const { return m_cursor; }
    int steine() const { return m_steine; }
    bool gewaehlt() const { return m_gewaehlt; }
    bool geloest() const { return m_steine == 1; }

    // The peg set in bytes, equal for equal boards (for the solver).
    QByteArray schluessel() const;

private:
    int& zelle(QPoint p) { return m_feld[std::size_t(p.y() * 16 + p.x())]; }

    std::array<int, 256> m_feld{};
    QPoint m_cursor{1, 3};
    bool m_gewaehlt = false;
    QPoint m_wahl;
    int m_steine = 0;
};
