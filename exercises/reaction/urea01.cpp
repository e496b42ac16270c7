#include "exercises/reaction/urea01.h"

#include "exercises/reaction/tetris.h"
#include "platform/farben.h"

namespace {
Fallart tetris()
{
    // One colour per type; the game ends in a plain message box in the tick whose
    // spawn is blocked.
    return {QStringLiteral("Tetris"), 61, QStringLiteral("Label1"), QStringLiteral("Reihen: "),
            {farbe::kastanie, farbe::gruen, farbe::marine, farbe::schwarz, farbe::rot, farbe::fuchsia, farbe::petrol},
            false, Fallbrett::kOben, false};
}
}

Trea01::Trea01() : Fallfenster(tetris(), std::make_unique<Tetrisspiel>())
{
    setObjectName(QStringLiteral("Trea01"));
}
