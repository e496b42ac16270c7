#pragma once
// Fonts by the names the windows use, with character heights in pixels.
// Arial, Times New Roman and Courier New map to their metric twins (Liberation);
// MS Sans Serif to Liberation Sans; Symbol to DejaVu Sans, which holds the signs.
#include <QFont>
#include <QString>

namespace schrift {
QFont font(const QString& name, int pixelHoehe, bool fett = false);
// The family a window font name is drawn with.
QString familie(const QString& name);
}
