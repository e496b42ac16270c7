#pragma once
// The program's window style: the focus is drawn where it is, and only there.
// - In the program's windows (Form) a push button looks like the default
//   button only while it has the focus. Such a window's default button (the
//   first after the focus when the window opens, or the last that had the
//   focus) was drawn with the focus's frame while the focus stood in a list;
//   Enter never presses it there, as a Form has no dialog keys, and Space
//   acted on the list. The toolkit's own dialogs (the password, the input
//   box, the message boxes) press their default button on Enter, and show it.
// - A list or memo with the focus is framed in the highlight colour, as an
//   input field with the focus is.
#include <QProxyStyle>

class Fokusstil : public QProxyStyle {
public:
    void drawControl(ControlElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const override;
    void drawPrimitive(PrimitiveElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const override;
};
