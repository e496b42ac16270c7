#pragma once
// A tour of every window: each registered program is opened once through its
// dispatcher, and every window it shows is closed as soon as it has been painted
// for the first time. Shared by the window benchmark and the memory test.
#include <QStringList>
#include <utility>
#include <vector>

struct Rundgang {
    int gemalt = 0;           // windows shown and painted
    QStringList ungemalt;     // windows closed unpainted after the timeout
    QStringList haengend;     // programs that did not return in time
    // per exercise: milliseconds from the rules window's close to the first paint
    // of the exercise window, with the program number
    std::vector<std::pair<double, int>> oeffnen;
};

// Runs the tour as the user "Messung", entered in the working folder's register
// if he is not there yet, with every message box answered at once.
Rundgang macheRundgang();

// Waits until the window has been painted once (at most timeoutMs); true if it was.
class QWidget;
bool warteAufMalen(QWidget* fenster, int timeoutMs = 5000);

// Resident memory of this process in kB: now and its peak so far.
struct Speicher {
    long aktuell = -1;
    long spitze = -1;
};
Speicher speicher();
