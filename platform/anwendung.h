#pragma once
// The application: one event loop, and the error box at its dispatch. A file or
// conversion error thrown in a handler is shown as a message box with its German
// text; the handler is abandoned and the program goes on.
#include <QApplication>
#include <QHash>
#include <functional>

class Anwendung : public QApplication {
public:
    Anwendung(int& argc, char** argv);
    bool notify(QObject* empfaenger, QEvent* e) override;

private:
    // The window that saw the press of each key: a release belongs only there.
    QHash<int, QWidget*> m_gedrueckt;
};

// Runs a handler and shows any error it throws in the error box. Every handler
// that a control's signal calls goes through here, so that no exception crosses
// the window system's code.
void schuetze(const std::function<void()>& handler);
// Shows the text of an error in the error box; a failed allocation as
// "Zu wenig Arbeitsspeicher.".
void zeigeFehler(const std::exception& e);
// What zeigeFehler would show, for a message that gathers several errors; the
// tests' observer learns of the error here, as if it were shown.
QString fehlertext(const std::exception& e);
// Tests learn of every error before it is shown (empty: nobody listens).
void setzeFehlerbeobachter(std::function<void(const std::exception&)> beobachter);
