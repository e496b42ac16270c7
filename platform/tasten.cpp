#include "platform/tasten.h"

#include <QKeyEvent>

namespace taste {

int code(const QKeyEvent* e)
{
    const int k = e->key();
    if (e->modifiers() & Qt::KeypadModifier) {
        if (k >= Qt::Key_0 && k <= Qt::Key_9)
            return 96 + (k - Qt::Key_0);
        // the pad's own codes, apart from the main keyboard's 187 and 189
        if (k == Qt::Key_Plus)
            return 107;
        if (k == Qt::Key_Minus)
            return 109;
    }
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return 48 + (k - Qt::Key_0);
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return 65 + (k - Qt::Key_A);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12)
        return 112 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Backspace: return kRueck;
    case Qt::Key_Tab: case Qt::Key_Backtab: return kTab;
    case Qt::Key_Return: case Qt::Key_Enter: return kEnter;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return kEsc;
    case Qt::Key_Space: return kLeer;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return kLinks;
    case Qt::Key_Up: return kHoch;
    case Qt::Key_Right: return kRechts;
    case Qt::Key_Down: return kRunter;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return kEntf;
    case Qt::Key_Plus: return 187;
    case Qt::Key_Comma: return 188;
    case Qt::Key_Minus: return 189;
    case Qt::Key_Period: return 190;
    default: return 0;
    }
}

}
