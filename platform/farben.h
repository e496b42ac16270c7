#pragma once
// Named colours (RGB, red first) and the system colours of the window system.
#include <QColor>

class QWidget;

namespace farbe {
inline const QColor schwarz{0x00, 0x00, 0x00};
inline const QColor weiss{0xFF, 0xFF, 0xFF};
inline const QColor rot{0xFF, 0x00, 0x00};
inline const QColor gruen{0x00, 0x80, 0x00};
inline const QColor lime{0x00, 0xFF, 0x00};
inline const QColor blau{0x00, 0x00, 0xFF};
inline const QColor gelb{0xFF, 0xFF, 0x00};
inline const QColor aqua{0x00, 0xFF, 0xFF};
inline const QColor fuchsia{0xFF, 0x00, 0xFF};
inline const QColor silber{0xC0, 0xC0, 0xC0};
inline const QColor grau{0x80, 0x80, 0x80};
inline const QColor kastanie{0x80, 0x00, 0x00};
inline const QColor marine{0x00, 0x00, 0x80};
inline const QColor oliv{0x80, 0x80, 0x00};
inline const QColor purpur{0x80, 0x00, 0x80};
inline const QColor petrol{0x00, 0x80, 0x80};

// The face colour of buttons, which follows the desktop's settings.
QColor buttonFace();
// The colour of window backgrounds and edit fields.
QColor fensterHintergrund();
// The border of the active window and the track of scroll bars.
QColor aktiverRahmen();
QColor rollbalken();
QColor licht3d();  // the light edge of 3-D controls
// The colour of a control's text.
void setzeTextfarbe(QWidget* w, const QColor& farbe);
}
