// Rangieren: the full board paint at 1920 x 1080 (CPU time per spielaufbau)
// and the solver over all 50 levels (wall time per level and in all).
//   QT_QPA_PLATFORM=offscreen build/bench/bench_rangieren
#include "bench/messreihe.h"
#include "common/zustand.h"
#include "content/arbeitsordner.h"
#include "exercises/logic/uspielra.h"
#include "platform/anwendung.h"
#include "tests/exercises/logic/rangierhilfe.h"

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
        Tspielra brett;
        brett.setGeometry(0, 0, 1920, 1080);
        levelnr = level;
        brett.show();
        QCoreApplication::processEvents();
        messreihe(QStringLiteral("Rangieren board level %1").arg(level), [&] { brett.spielaufbau(); });
        brett.close();
    }
    QElapsedTimer gesamt;
    gesamt.start();
    long zustaende = 0;
    for (int level = 1; level <= 50; ++level) {
        Rangierbrett b;
        b.lade(rangierLevel(level));
        QElapsedTimer t;
        t.start();
        const Loesung l = loeseRangier(b);
        zustaende += l.zustaende;
        std::printf("level %2d: energy %3ld, %2zu commands, %6ld states, %5lld ms\n", level, l.kosten, l.zuege.size(),
                    l.zustaende, t.elapsed());
    }
    std::printf("solver: 50 levels, %ld states, %lld ms\n", zustaende, gesamt.elapsed());
    return 0;
}
