#pragma once
// Virtual key codes of the window system, as the exercises compare them:
// 8 Backspace, 13 Enter, 27 Esc, 32 Space, 37-40 arrows, 48-57 digits, 65-90 letters.
class QKeyEvent;

namespace taste {
constexpr int kRueck = 8;
constexpr int kTab = 9;
constexpr int kEnter = 13;
constexpr int kEsc = 27;
constexpr int kLeer = 32;
constexpr int kLinks = 37;
constexpr int kHoch = 38;
constexpr int kRechts = 39;
constexpr int kRunter = 40;
constexpr int kEntf = 46;

// The virtual key code of a key event; 0 for keys without one.
int code(const QKeyEvent* e);
}
