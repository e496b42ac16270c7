#include "exercises/reaction/kreuzaufgabe.h"

#include "common/zufall.h"
#include "platform/tasten.h"

#include <algorithm>
#include <cmath>

Kreuzaufgabe Kreuzaufgabe::neu(int vorrat)
{
    Kreuzaufgabe a;
    const std::vector<int> gezogen = zufall::ohneWiederholung(4, vorrat);
    std::copy(gezogen.begin(), gezogen.end(), a.zeichen.begin());
    a.k = zufall::R(4);
    return a;
}

namespace kreuz {

int richtung(int taste)
{
    switch (taste) {
    case taste::kHoch: return 1;
    case taste::kRechts: return 2;
    case taste::kRunter: return 3;
    case taste::kLinks: return 4;
    default: return 0;
    }
}

QPoint ende(int d)
{
    static constexpr QPoint kEnden[] = {{2, 0}, {4, 2}, {2, 4}, {0, 2}};
    return kEnden[std::clamp(d, 1, 4) - 1];
}

QPoint nachbar(int d)
{
    static constexpr QPoint kNachbarn[] = {{2, 1}, {3, 2}, {2, 3}, {1, 2}};
    return kNachbarn[std::clamp(d, 1, 4) - 1];
}

float punkte(double sekunden)
{
    const double r = std::clamp(sekunden, 0.0, 5.0);
    return static_cast<float>(100.0 - 20.0 * r);
}

int wartezeit() { return 1000 + static_cast<int>(std::trunc(zufall::r() * 2000)); }

}
