// The sentence grids at 1920 x 1080: aufbau of a round (CPU time per call), and
// the CPU a guarded pause of 1000 ms takes (getrusage before and after).
//   QT_QPA_PLATFORM=offscreen build/bench/bench_satzgitter <working folder>
#include "exercises/language/uerg01.h"
#include "platform/anwendung.h"
#include "platform/warten.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <vector>

namespace {

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double rusageMs()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1e3 + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e3;
}

void messe(int programm, const char* was, bool pause)
{
    Terga01 f(Terga01::mitglied(programm));
    f.show();
    f.setGeometry(0, 0, 1920, 1080);
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
    std::printf("%-22s %dx%d  n=%zu  median %.3f ms  95th %.3f ms  max %.3f ms\n", was, f.width(), f.height(),
                z.size(), z[z.size() / 2], z[z.size() * 95 / 100], z.back());
    if (pause) {
        QElapsedTimer uhr;
        uhr.start();
        const double a = rusageMs();
        wartenBewacht(&f, 1000, Pauseneingabe::Gesperrt);
        std::printf("pause 1000 ms: %lld ms wall, %.2f ms CPU\n", static_cast<long long>(uhr.elapsed()),
                    rusageMs() - a);
    }
    f.close();
}

}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    if (argc > 1)
        QDir::setCurrent(QString::fromLocal8Bit(argv[1]));
    messe(57, "Sätze ergänzen", true);
    messe(58, "Wortfamilien", false);
    messe(59, "Satzhälften", false);
    return 0;
}
