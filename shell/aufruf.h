#pragma once
// The dispatch of a program number, shared by the button menu and the Windows
// menu: user check, rules window before an exercise, then the program's window.
enum class Menueart { Knopfmenue, Windowsmenue };

// Dispatches n. False when it was refused because no user is chosen.
bool aufruf(int n, Menueart art);

// Program 8 runs a plan through the dispatcher that was used; the plan runner
// (shell/verwaltung.cpp) is registered here.
using Planlaeufer = void (*)(Menueart art);
void setzePlanlaeufer(Planlaeufer laeufer);
