// The sentence grids at 1920 x 1080: aufbau of a round (CPU time per call), and
// the CPU a guarded pause of 1000 ms takes (getrusage before and after).
//   QT_QPA_PLATFORM=offscreen build/bench/bench_satzgitter <working folder>
#include "bench/messreihe.h"
#include "exercises/language/uerg01.h"
#include "platform/anwendung.h"
#include "platform/warten.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <sys/resource.h>

namespace {

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
    messreihe(QStringLiteral("%1 %2x%3").arg(QString::fromUtf8(was)).arg(f.width()).arg(f.height()), [&] { f.aufbau(); });
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
