#include "platform/warten.h"

#include <QEventLoop>
#include <QTimer>

namespace {
std::function<void(int)>& ersatz()
{
    static std::function<void(int)> e;
    return e;
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
    schleife.exec();
}

void setzeWartenErsatz(std::function<void(int)> e) { ersatz() = std::move(e); }
