#include "platform/warten.h"

#include <QEventLoop>
#include <QHash>
#include <QList>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {
std::function<void(int)>& ersatz()
{
    static std::function<void(int)> e;
    return e;
}

// The loops of the pauses running, the innermost last.
QList<QEventLoop*>& schleifen()
{
    static QList<QEventLoop*> s;
    return s;
}

// Windows whose input is blocked, with the number of pauses that block them.
QHash<const QWidget*, int>& gesperrt()
{
    static QHash<const QWidget*, int> g;
    return g;
}

// Notes whether the window was hidden during the pause.
class Schliesswache : public QObject {
public:
    explicit Schliesswache(QWidget* fenster) { fenster->installEventFilter(this); }
    bool geschlossen = false;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        // a refused close request (a window without close box) leaves it open
        if (e->type() == QEvent::Hide)
            geschlossen = true;
        return false;
    }
};

bool istEingabe(const QEvent* e)
{
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        return static_cast<const QKeyEvent*>(e)->key() != Qt::Key_Escape;
    default:
        return false;
    }
}
}

void warten(int ms)
{
    if (ersatz()) {
        ersatz()(ms);
        return;
    }
    // The loop sleeps between events instead of spinning, and ends after ms
    // milliseconds however long the machine has been running.
    QEventLoop schleife;
    QTimer::singleShot(ms > 0 ? ms : 0, Qt::PreciseTimer, &schleife, &QEventLoop::quit);
    schleifen().append(&schleife);
    schleife.exec();
    schleifen().removeOne(&schleife);
}

void wartenBeenden()
{
    if (!schleifen().isEmpty())
        schleifen().last()->quit();
}

void setzeWartenErsatz(std::function<void(int)> e) { ersatz() = std::move(e); }

bool wartenBewacht(QWidget* fenster, int ms, Pauseneingabe eingabe, const std::function<bool()>& laeuft)
{
    if (!fenster || !fenster->isVisible())
        return false;
    QPointer<QWidget> f(fenster);
    Schliesswache wache(fenster);
    const bool sperren = eingabe == Pauseneingabe::Gesperrt;
    if (sperren)
        ++gesperrt()[fenster];
    warten(ms);
    if (sperren) {
        auto it = gesperrt().find(fenster);
        if (it != gesperrt().end() && --it.value() <= 0)
            gesperrt().erase(it);
    }
    // a window deleted meanwhile took its event filter along
    if (!f)
        return false;
    fenster->removeEventFilter(&wache);
    return !wache.geschlossen && fenster->isVisible() && (!laeuft || laeuft());
}

bool pausenEingabeVerworfen(QObject* empfaenger, const QEvent* e)
{
    if (gesperrt().isEmpty() || !istEingabe(e))
        return false;
    auto* w = qobject_cast<QWidget*>(empfaenger);
    return w && gesperrt().contains(w->window());
}
