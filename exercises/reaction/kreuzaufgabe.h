#pragma once
// The task of the cross reaction: four different signs at the ends of a cross
// (top, right, bottom, left), one of them asked; the arrow keys, their cells
// and the points for a reaction time.
#include <QPoint>
#include <array>

struct Kreuzaufgabe {
    std::array<int, 4> zeichen{};  // sign numbers at ends 1 (top) to 4 (left)
    int k = 1;                     // the end whose sign is asked

    // Four different numbers out of 1..vorrat, then k.
    static Kreuzaufgabe neu(int vorrat);
    int gefragt() const { return zeichen[k - 1]; }
};

namespace kreuz {
constexpr int kAufgaben = 30;
constexpr QPoint kMitte{2, 2};
// Direction of an arrow key: 1 up, 2 right, 3 down, 4 left; 0 for any other key.
int richtung(int taste);
// The cell of end d, and the centre's neighbour towards it.
QPoint ende(int d);
QPoint nachbar(int d);
// 100 - 20 r, with r the seconds taken, at most 5: 0 to 100 points.
float punkte(double sekunden);
// The wait before the sign shows: 1000 + cut(r * 2000) ms.
int wartezeit();
}
