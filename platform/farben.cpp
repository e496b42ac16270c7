#include "platform/farben.h"

#include <QApplication>
#include <QPalette>

namespace farbe {
QColor buttonFace() { return QApplication::palette().color(QPalette::Button); }
QColor fensterHintergrund() { return QApplication::palette().color(QPalette::Base); }
}
