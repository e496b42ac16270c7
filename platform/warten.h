#pragma once
// A pause that keeps the message loop running: timers fire, input is handled,
// windows may close meanwhile. Callers check afterwards that their run goes on.
#include <functional>

void warten(int ms);
// Tests put a routine of their own in place of the real pause (nullptr restores it).
void setzeWartenErsatz(std::function<void(int)> ersatz);
