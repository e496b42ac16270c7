// The syllable grid drawn whole at 1920 x 1080 (4 x 6 cells, 24 syllables),
// CPU time per call.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_silben
#include "exercises/language/uwis08.h"
#include "platform/anwendung.h"

#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    Twis08 f(silben::art(128));
    f.setzeMaximiert(false);
    f.resize(1920, 1080);
    f.show();
    QTest::keyClicks(f.wahl, "1");
    QTest::keyClick(f.wahl, Qt::Key_Return);
    QCoreApplication::processEvents();
    if (!f.laeuft()) {
        std::printf("no run\n");
        return 1;
    }
    std::vector<double> z;
    for (int i = 0; i < 500; ++i) {
        const double a = cpuMs();
        f.zeichne();
        z.push_back(cpuMs() - a);
    }
    std::sort(z.begin(), z.end());
    std::printf("syllable grid %dx%d, pb %dx%d: n=%zu  median %.3f ms  95th %.3f ms  max %.3f ms\n", f.width(),
                f.height(), f.pb->width(), f.pb->height(), z.size(), z[z.size() / 2], z[z.size() * 95 / 100],
                z.back());
    f.close();
    return 0;
}
