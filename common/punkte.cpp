#include "common/punkte.h"

#include "common/textformat.h"

#include <cmath>

namespace punkte {

float zweiDezimalen(float wert)
{
    return static_cast<float>(std::trunc(static_cast<double>(wert) * 100.0) / 100.0);
}

float abschluss(float punkte, double sekunden)
{
    float p = static_cast<float>(static_cast<double>(punkte) - sekunden);
    if (!(p >= kMindestens))
        p = kMindestens;
    return zweiDezimalen(p);
}

QString meldungText(float punkte)
{
    return QStringLiteral("Sie haben ") + textformat::ganzzahlText(punkte) + QStringLiteral(" Punkte erreicht!");
}

}
