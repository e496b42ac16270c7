// The aufbau of the number boards at 1920 x 1080: "Mathespiel", "Matrix+" and
// "Matrix*", CPU time per call.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_zahlbrett
#include "exercises/numbers/umatrix1.h"
#include "exercises/numbers/urec08.h"
#include "platform/anwendung.h"

#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace {

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void messe(Zahlbrett& f, const char* was)
{
    f.resize(1920, 1080);
    f.show();
    QTest::mouseClick(f.start, Qt::LeftButton);
    QCoreApplication::processEvents();
    std::vector<double> z;
    for (int i = 0; i < 500; ++i) {
        const double a = cpuMs();
        f.aufbau();
        z.push_back(cpuMs() - a);
    }
    std::sort(z.begin(), z.end());
    std::printf("%-12s board %dx%d  n=%zu  median %.3f ms  95th %.3f ms  max %.3f ms\n", was, f.cw(), f.ch(),
                z.size(), z[z.size() / 2], z[z.size() * 95 / 100], z.back());
    f.close();
}

}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    Trec08 spiel;
    messe(spiel, "Mathespiel");
    for (const Matrixart& a : Tmatrix1::mitglieder()) {
        Tmatrix1 m(a);
        messe(m, a.titel.toUtf8().constData());
    }
    return 0;
}
