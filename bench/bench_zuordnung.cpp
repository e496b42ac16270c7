// The round's aufbau of the pair grids at 1920 x 1080: the grid on an image
// ("D-Zuordnungen I") and on the window surface ("Farben"), CPU time per call.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_zuordnung <working folder>
#include "bench/messreihe.h"
#include "exercises/shared/uzuo01.h"
#include "platform/anwendung.h"

#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <cstdio>

namespace {

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
    messreihe(QString::fromUtf8(was), [&] { f.aufbau(); });
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
