// Robbi: the full board paint at 1920 x 1080 (CPU time per aufbau) and the
// solver over all 50 levels (wall time per level and in all).
//   QT_QPA_PLATFORM=offscreen build/bench/bench_robbi
#include "bench/messreihe.h"
#include "common/zustand.h"
#include "content/arbeitsordner.h"
#include "exercises/logic/uspielro.h"
#include "platform/anwendung.h"
#include "tests/exercises/logic/robbihilfe.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    QTemporaryDir ordner;
    baueArbeitsordner(ordner.path(), QStringLiteral(VELMORA_CONTENT_DIR "/quellen"));
    QDir::setCurrent(ordner.path());
    for (int level : {1, 50}) {
        Tspielro brett;
        brett.setGeometry(0, 0, 1920, 1080);
        levelnr = level;
        brett.show();
        QCoreApplication::processEvents();
        messreihe(QStringLiteral("Robbi board level %1, u=%2").arg(level).arg(brett.einheit()), [&] { brett.aufbau(); });
        brett.close();
    }
    QElapsedTimer gesamt;
    gesamt.start();
    long zustaende = 0;
    for (int level = 1; level <= 50; ++level) {
        Robbibrett b;
        b.lade(robbiLevel(level));
        QElapsedTimer t;
        t.start();
        const Loesung l = loeseRobbi(b);
        zustaende += l.zustaende;
        std::printf("level %2d: %2zu keys, %6ld states, %5lld ms\n", level, l.zuege.size(), l.zustaende, t.elapsed());
    }
    std::printf("solver: 50 levels, %ld states, %lld ms\n", zustaende, gesamt.elapsed());
    return 0;
}
