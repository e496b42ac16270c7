// Start to first painted start screen. Run in a working folder, e.g.
//   cd ~/velmora && QT_QPA_PLATFORM=offscreen /path/to/build/bench/bench_start
// (or under Xvfb). Prints the milliseconds from process start to the end of
// the first paint of the start screen.
#include "platform/anwendung.h"
#include "shell/uform1.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <cstdio>

namespace {
QElapsedTimer g_uhr;

class Messung : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !m_fertig) {
            m_fertig = true;
            QTimer::singleShot(0, [] {
                std::printf("start to first painted start screen: %.1f ms\n", g_uhr.nsecsElapsed() / 1e6);
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
    g_uhr.start();
    Anwendung app(argc, argv);
    TForm1 form1;
    Messung messung;
    form1.installEventFilter(&messung);
    form1.show();
    return app.exec();
}
