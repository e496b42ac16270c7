#include "exercises/reaction/urea02.h"

#include "exercises/reaction/tatris.h"
#include "platform/farben.h"

namespace {
Fallart tatris()
{
    // Blue, red, yellow, green by colour code; the game ends in the message window.
    return {QStringLiteral("Tatris"), 62, QStringLiteral("label1"), QStringLiteral("Blöcke: "),
            {farbe::blau, farbe::rot, farbe::gelb, farbe::gruen}, true};
}
}

Trea02::Trea02() : Fallfenster(tatris(), std::make_unique<Tatrisspiel>())
{
    setObjectName(QStringLiteral("Trea02"));
}
