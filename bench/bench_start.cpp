// Start to first painted start screen, counted from the start of the process (the
// dynamic loader and Qt's libraries included), as main() does it. Run in a
// working folder, under a real X server or offscreen:
//   cd ~/velmora && DISPLAY=:99 /path/to/build/bench/bench_start
//   cd ~/velmora && QT_QPA_PLATFORM=offscreen /path/to/build/bench/bench_start
#include "app/programme.h"
#include "platform/anwendung.h"
#include "shell/uform1.h"

#include <QEvent>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

// Milliseconds since the process started: its start time (field 22 of
// /proc/self/stat, clock ticks since boot) against the boot clock, which
// /proc/uptime shows too.
double msSeitProzessstart()
{
    QFile f(QStringLiteral("/proc/self/stat"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray stat = f.readAll();
    // the command name in brackets may hold blanks: count fields after its end
    const QList<QByteArray> felder = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    const long long startTicks = felder.value(22 - 3).toLongLong();
    timespec jetzt{};
    clock_gettime(CLOCK_BOOTTIME, &jetzt);
    const double start = 1000.0 * startTicks / sysconf(_SC_CLK_TCK);
    return jetzt.tv_sec * 1000.0 + jetzt.tv_nsec / 1e6 - start;
}

class Messung : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !m_fertig) {
            m_fertig = true;
            // after the paint has been handed to the window system
            QTimer::singleShot(0, [] {
                std::printf("process start to first painted start screen: %.0f ms (clock ticks of %.0f ms)\n",
                            msSeitProzessstart(), 1000.0 / sysconf(_SC_CLK_TCK));
                QApplication::quit();
            });
        }
        return QObject::eventFilter(o, e);
    }

private:
    bool m_fertig = false;
};

}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    programmeEintragen();
    TForm1 form1;
    Messung messung;
    form1.installEventFilter(&messung);
    form1.zeige();
    return app.exec();
}
