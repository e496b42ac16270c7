#include "exercises/reaction/urea02.h"

#include "exercises/reaction/tatris.h"
#include "platform/farben.h"

namespace {
Fallart tatris()
{
    // Blue, red, yellow, green by colour code. Row 0 is never shown, as no run
    // is found there. The blocked piece shows over the stack for a tick, then
    // the game ends in the message window.
    return {QStringLiteral("Tatris"), 62, QStringLiteral("label1"), QStringLiteral("Blöcke: "),
            {farbe::blau, farbe::rot, farbe::gelb, farbe::gruen}, true, Fallbrett::kOben + 1, true};
}
}

Trea02::Trea02() : Fallfenster(tatris(), std::make_unique<Tatrisspiel>())
{
    setObjectName(QStringLiteral("Trea02"));
}
