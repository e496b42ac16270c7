// The round's aufbau of the pair grids at 1920 x 1080: the grid on an image
// ("D-Zuordnungen I") and on the window surface ("Farben"), CPU time per call.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_zuordnung <working folder>
#include "exercises/shared/uzuo01.h"
#include "platform/anwendung.h"

#include <QDir>
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

void messe(int programm, const char* was)
{
    Tzuo01 f(Tzuo01::mitglied(programm));
    f.resize(1920, 1080);
    f.show();
    QTest::keyClicks(f.wahl, "1");
    QTest::keyClick(f.wahl, Qt::Key_Return);
    QCoreApplication::processEvents();
    if (!f.laeuft()) {
        std::printf("%s: no run (content file missing?)\n", was);
        return;
    }
    std::vector<double> z;
    for (int i = 0; i < 500; ++i) {
        const double a = cpuMs();
        f.aufbau();
        z.push_back(cpuMs() - a);
    }
    std::sort(z.begin(), z.end());
    std::printf("%-28s n=%zu  median %.3f ms  95th %.3f ms  max %.3f ms\n", was, z.size(), z[z.size() / 2],
                z[z.size() * 95 / 100], z.back());
    f.close();
}

}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    if (argc > 1)
        QDir::setCurrent(QString::fromLocal8Bit(argv[1]));
    messe(44, "aufbau, image");
    messe(52, "aufbau, window surface");
    return 0;
}
