#include "platform/anwendung.h"


#include "platform/dialoge.h"
#include "platform/fokusstil.h"
#include "platform/form.h"
#include "platform/schriften.h"
#include "platform/warten.h"

#include <QKeyEvent>
#include <QPixmapCache>

#include <clocale>
#include <malloc.h>
#include <new>

Anwendung::Anwendung(int& argc, char** argv) : QApplication(argc, argv)
{
    // Pictures of a window's size get memory of their own from the system, so that
    // a closed window's pictures go back at once; left alone, the C library raises
    // this bound after the first such picture is freed and keeps the next ones.
    mallopt(M_MMAP_THRESHOLD, 512 * 1024);
    // The style keeps a drawn picture of every button and frame size it met; with
    // a hundred windows of their own sizes that grew to 10 MB. 1 MB holds what one
    // window needs.
    QPixmapCache::setCacheLimit(1024);
    // no display name: the window system would append it to every caption
    setApplicationName(QStringLiteral("VELMORA"));
    // numbers are written and read in fixed forms, never by the machine's locale
    std::setlocale(LC_NUMERIC, "C");
    // the window system's dialog font, large enough to read at a glance
    setFont(schrift::font(QStringLiteral("MS Sans Serif"), 13));
    // the focus is drawn where it is; in the program's windows a default button does not look like it
    setStyle(new Fokusstil);
}

bool Anwendung::notify(QObject* empfaenger, QEvent* e)
{
    try {
        // a pause that blocks its window's input drops it before anything sees it
        if (pausenEingabeVerworfen(empfaenger, e))
            return true;
        // Keys reach the native window first and then the focused widget; only
        // the delivery to a widget counts here.
        auto* w = qobject_cast<QWidget*>(empfaenger);
        if (w && (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease)) {
            auto* k = static_cast<QKeyEvent*>(e);
            QWidget* fenster = w->window();
            if (e->type() == QEvent::KeyPress) {
                if (!k->isAutoRepeat())
                    m_gedrueckt[k->key()] = fenster;
                if (Form::tastenvorschau(empfaenger, k))
                    return true;
            } else if (!k->isAutoRepeat()) {
                // Only the release of a key pressed in this window acts here: handlers
                // judge on release, and the Enter that closed or opened another
                // window must not judge in this one.
                const auto it = m_gedrueckt.find(k->key());
                const bool fremd = it == m_gedrueckt.end() || it.value() != fenster;
                if (it != m_gedrueckt.end())
                    m_gedrueckt.erase(it);
                if (fremd)
                    return true;
            }
        }
        return QApplication::notify(empfaenger, e);
    } catch (const std::exception& fehler) {
        zeigeFehler(fehler);
    }
    return false;
}

namespace {
std::function<void(const std::exception&)> g_fehlerbeobachter;
}

void setzeFehlerbeobachter(std::function<void(const std::exception&)> beobachter)
{
    g_fehlerbeobachter = std::move(beobachter);
}

QString fehlertext(const std::exception& e)
{
    if (g_fehlerbeobachter)
        g_fehlerbeobachter(e);
    // the run-time library names a failed allocation in English
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return QStringLiteral("Zu wenig Arbeitsspeicher.");
    return QString::fromUtf8(e.what());
}

void zeigeFehler(const std::exception& e) { dialog::zeige(fehlertext(e)); }

void schuetze(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& fehler) {
        zeigeFehler(fehler);
    }
}
