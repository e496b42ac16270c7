#include "platform/farben.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace farbe {
QColor buttonFace() { return QApplication::palette().color(QPalette::Button); }
QColor fensterHintergrund() { return QApplication::palette().color(QPalette::Base); }

// not in the palette: as a standard desktop shows them
QColor aktiverRahmen() { return {0xB4, 0xB4, 0xB4}; }
QColor rollbalken() { return {0xC8, 0xC8, 0xC8}; }
QColor licht3d() { return {0xE3, 0xE3, 0xE3}; }

void setzeTextfarbe(QWidget* w, const QColor& farbe)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, farbe);
    p.setColor(QPalette::ButtonText, farbe);
    p.setColor(QPalette::Text, farbe);
    w->setPalette(p);
}
}
