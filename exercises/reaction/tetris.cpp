#include "exercises/reaction/tetris.h"

#include "common/zufall.h"

#include <array>

namespace {

// Blocks 1 to 4 of each type, relative to (a, 0).
const std::array<std::array<fall::Zelle, 4>, 7> kStart = {{
    {{{0, 0}, {0, 1}, {0, 2}, {1, 0}}},
    {{{0, 0}, {0, 1}, {0, 2}, {1, 2}}},
    {{{0, 0}, {0, 1}, {1, 1}, {0, 2}}},
    {{{-1, 0}, {0, 0}, {1, 0}, {2, 0}}},
    {{{0, 0}, {0, 1}, {1, 0}, {1, 1}}},
    {{{0, 0}, {0, 1}, {1, 1}, {1, 2}}},
    {{{1, 0}, {1, 1}, {0, 1}, {0, 2}}},
}};

constexpr int kQuadrat = 5;

}

const std::vector<fall::Drehung>& Tetrisspiel::drehungen()
{
    // Quarter turns clockwise about the centre of the piece's 3 x 3 box (the bar:
    // about block 2). Tested are the cells a turn newly takes, and for types 6 and
    // 7 one cell it sweeps.
    static const std::vector<fall::Drehung> tabelle = {
        {1, 1, 2, {{2, 0}, {2, 1}}, {{2, 0}, {1, -1}, {0, -2}, {1, 1}}},
        {1, 2, 3, {{0, 2}, {-1, 2}}, {{0, 2}, {1, 1}, {2, 0}, {-1, 1}}},
        {1, 3, 4, {{-2, 0}, {-2, -1}}, {{-2, 0}, {-1, 1}, {0, 2}, {-1, -1}}},
        {1, 4, 1, {{0, -2}, {1, -2}}, {{0, -2}, {-1, -1}, {-2, 0}, {1, -1}}},
        {2, 1, 2, {{1, 0}, {2, 0}}, {{2, 0}, {1, -1}, {0, -2}, {-1, -1}}},
        {2, 2, 3, {{0, 1}, {0, 2}}, {{0, 2}, {1, 1}, {2, 0}, {1, -1}}},
        {2, 3, 4, {{-1, 0}, {-2, 0}}, {{-2, 0}, {-1, 1}, {0, 2}, {1, 1}}},
        {2, 4, 1, {{0, -1}, {0, -2}}, {{0, -2}, {-1, -1}, {-2, 0}, {-1, 1}}},
        {3, 1, 2, {{1, 0}, {2, 0}}, {{2, 0}, {1, -1}, {0, 0}, {0, -2}}},
        {3, 2, 3, {{0, 1}, {0, 2}}, {{0, 2}, {1, 1}, {0, 0}, {2, 0}}},
        {3, 3, 4, {{-1, 0}, {-2, 0}}, {{-2, 0}, {-1, 1}, {0, 0}, {0, 2}}},
        {3, 4, 1, {{0, -1}, {0, -2}}, {{0, -2}, {-1, -1}, {0, 0}, {-2, 0}}},
        {4, 1, 2, {{1, -1}, {1, 1}, {1, 2}}, {{1, -1}, {0, 0}, {-1, 1}, {-2, 2}}},
        {4, 2, 1, {{-1, 1}, {1, 1}, {2, 1}}, {{-1, 1}, {0, 0}, {1, -1}, {2, -2}}},
        {6, 1, 2, {{0, 2}, {1, 0}, {2, 0}}, {{2, 0}, {1, -1}, {0, 0}, {-1, -1}}},
        {6, 2, 3, {{0, 1}, {0, 2}, {-2, 0}}, {{0, 2}, {1, 1}, {0, 0}, {1, -1}}},
        {6, 3, 4, {{0, -2}, {-1, 0}, {-2, 0}}, {{-2, 0}, {-1, 1}, {0, 0}, {1, 1}}},
        {6, 4, 1, {{0, -1}, {0, -2}, {2, 0}}, {{0, -2}, {-1, -1}, {0, 0}, {-1, 1}}},
        {7, 1, 2, {{1, 1}, {-1, 0}, {1, 0}}, {{1, 1}, {0, 0}, {1, -1}, {0, -2}}},
        {7, 2, 3, {{0, -1}, {0, 1}, {-1, 1}}, {{-1, 1}, {0, 0}, {1, 1}, {2, 0}}},
        {7, 3, 4, {{1, 0}, {-1, 0}, {-1, -1}}, {{-1, -1}, {0, 0}, {-1, 1}, {0, 2}}},
        {7, 4, 1, {{0, -1}, {0, 1}, {1, -1}}, {{1, -1}, {0, 0}, {-1, -1}, {-2, 0}}},
    };
    return tabelle;
}

fall::Stein Tetrisspiel::startstein(int t, int a)
{
    fall::Stein s;
    s.form = t;
    s.lage = 1;
    for (const fall::Zelle& z : kStart[t - 1])
        s.bloecke.push_back({a + z.x, z.y, t});
    return s;
}

void Tetrisspiel::neustein()
{
    const int a = 2 + static_cast<int>(zufall::r() * 6);
    const int t = static_cast<int>(zufall::r() * 7 + 1);
    stein = startstein(t, a);
    sichtbar = brett.passt(stein, 0, 0);
    ende = !sichtbar;
}

void Tetrisspiel::drehen()
{
    if (stein.form != kQuadrat)
        brett.drehe(stein, drehungen());
}

void Tetrisspiel::fixieren()
{
    for (const fall::Block& b : stein.bloecke)
        brett.setze(b.x, b.y, b.wert);
    loeschen();
}

bool Tetrisspiel::voll(int y) const
{
    for (int x = Fallbrett::kLinks; x <= Fallbrett::kRechts; ++x)
        if (brett.frei(x, y))
            return false;
    return true;
}

void Tetrisspiel::loeschen()
{
    // Every row of the field is tested, the top two included; a cleared row is
    // tested again, since it now holds the row that was above it.
    int y = Fallbrett::kUnten;
    while (y >= Fallbrett::kOben) {
        if (!voll(y)) {
            --y;
            continue;
        }
        gezaehlt();
        // Everything above moves down one row, the row above the field included,
        // so a block of a bar that was fixed sticking out comes into view.
        for (int z = y; z >= Fallbrett::kOben; --z)
            for (int x = Fallbrett::kLinks; x <= Fallbrett::kRechts; ++x)
                brett.setze(x, z, brett.wert(x, z - 1));
        for (int x = Fallbrett::kLinks; x <= Fallbrett::kRechts; ++x)
            brett.setze(x, Fallbrett::kOben - 1, 0);
    }
}
