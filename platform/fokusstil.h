#pragma once
// The program's window style: the focus is drawn where it is, and only there.
// - A push button looks like the default button only while it has the focus.
//   A window's default button (the first after the focus when the window
//   opens, or the last that had the focus) was drawn with the focus's frame
//   while the focus stood in a list; Enter never presses it there, and Space
//   acted on the list.
// - A list or memo with the focus is framed in the highlight colour, as an
//   input field with the focus is.
#include <QProxyStyle>

class Fokusstil : public QProxyStyle {
public:
    void drawControl(ControlElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const override;
    void drawPrimitive(PrimitiveElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const override;
};
