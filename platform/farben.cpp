#include "platform/farben.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace farbe {
QColor buttonFace() { return QApplication::palette().color(QPalette::Button); }
QColor fensterHintergrund() { return QApplication::palette().color(QPalette::Base); }

void setzeTextfarbe(QWidget* w, const QColor& farbe)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, farbe);
    p.setColor(QPalette::ButtonText, farbe);
    p.setColor(QPalette::Text, farbe);
    w->setPalette(p);
}
}
