#include "exercises/shared/blockpunkte.h"

#include "common/textformat.h"

#include <cmath>

namespace blockpunkte {

float wert(float punkte, int block, double zusatz)
{
    return static_cast<float>(std::trunc(static_cast<double>(punkte)) + block * 0.01 + zusatz);
}

QString meldung(float wert, int zeichen)
{
    return QStringLiteral("Sie haben ") + textformat::punkteText(wert, zeichen) + QStringLiteral(" Punkte erreicht!");
}

}
