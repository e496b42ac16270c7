#pragma once
// A real X display for the tests that need one: an Xvfb of its own on a free
// display number, with a window manager, started before the application connects
// (DISPLAY and QT_QPA_PLATFORM are set for it) and ended with this object.
#include <QList>
#include <QString>
#include <functional>
#include <sys/types.h>
#include <xcb/xcb.h>

class Anzeige {
public:
    // fenstermanager: "openbox", "icewm" or "metacity"; groesse as "1920x1080"
    Anzeige(QString fenstermanager, QString groesse);
    ~Anzeige();
    // false with the reason in fehler when Xvfb or the window manager did not start
    bool starte();
    QString fehler;

private:
    bool warteAufFenstermanager(int timeoutMs);

    QString m_fenstermanager;
    QString m_groesse;
    pid_t m_xvfb = -1;
    pid_t m_wm = -1;
};

// What the X server holds: an atom by its name, and the 32-bit values of a
// window's property (empty when it has none).
xcb_atom_t xAtom(xcb_connection_t* c, const char* name);
QList<quint32> xWerte(xcb_connection_t* c, xcb_window_t fenster, const char* name);

// The main of a test in an X display of its own: the first argument names the
// window manager (openbox, icewm or metacity), the others are the test's options.
// Starts the display of the given size ("1280x1024") and the application, then
// runs lauf with the window manager's name and the test's arguments.
int laufeAufAnzeige(int argc, char** argv, const QString& groesse,
                    const std::function<int(const QString& fenstermanager, int argc, char** argv)>& lauf);
