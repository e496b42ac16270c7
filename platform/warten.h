#pragma once
// A pause that keeps the message loop running: timers fire, input is handled,
// windows may close meanwhile. Callers check afterwards that their run goes on.
#include <functional>

class QEvent;
class QObject;
class QWidget;

void warten(int ms);
// Ends the innermost pause now: its warten returns as if the time were over.
void wartenBeenden();
// Tests put a routine of their own in place of the real pause (nullptr restores it).
void setzeWartenErsatz(std::function<void(int)> ersatz);

// The pause of an exercise window. With Gesperrt, mouse buttons and keys aimed
// at the window are dropped while it lasts, except Esc; with Zugelassen they
// count as at any other time. Esc and the close box may close the window
// during the pause either way.
enum class Pauseneingabe { Gesperrt, Zugelassen };

// Pauses ms milliseconds (through warten) and tells whether the caller may go
// on: true only when fenster stayed open the whole pause (it was not closed,
// also not closed and opened again) and laeuft, if given, still holds.
// On false the caller stops at once: no drawing, scoring or recording.
bool wartenBewacht(QWidget* fenster, int ms, Pauseneingabe eingabe, const std::function<bool()>& laeuft = {});

// The application's dispatch asks this first: true for input a guarded pause drops.
bool pausenEingabeVerworfen(QObject* empfaenger, const QEvent* e);
