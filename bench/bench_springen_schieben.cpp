// Springen and Schieben: each board's full paint at 1920 x 1080 (CPU time per
// aufbau) and the solvers over all 50 levels of each (wall time).
//   QT_QPA_PLATFORM=offscreen build/bench/bench_springen_schieben
#include "bench/messreihe.h"
#include "common/zustand.h"
#include "content/arbeitsordner.h"
#include "exercises/logic/uspielsc.h"
#include "exercises/logic/uspielsp.h"
#include "platform/anwendung.h"
#include "tests/exercises/logic/springschiebhilfe.h"

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
    Tspielsp sp;
    Tspielsc sc;
    for (Levelbrett* brett : {static_cast<Levelbrett*>(&sp), static_cast<Levelbrett*>(&sc)}) {
        brett->setGeometry(0, 0, 1920, 1080);
        levelnr = 50;
        brett->show();
        QCoreApplication::processEvents();
        messreihe(QStringLiteral("%1 board level 50, u=%2").arg(brett->windowTitle()).arg(brett->einheit()),
                  [&] { brett->aufbau(); });
        brett->close();
    }
    QElapsedTimer t;
    t.start();
    long zustaende = 0;
    for (int level = 1; level <= 50; ++level) {
        Springbrett b;
        b.lade(brettLevel(QStringLiteral("springen.dat"), level));
        zustaende += loeseSpringen(b).zustaende;
    }
    std::printf("Springen solver: 50 levels, %ld boards, %lld ms\n", zustaende, t.elapsed());
    t.restart();
    zustaende = 0;
    for (int level = 1; level <= 50; ++level) {
        Schiebebrett b;
        b.lade(brettLevel(QStringLiteral("schieben.dat"), level));
        zustaende += loeseSchieben(b).zustaende;
    }
    std::printf("Schieben solver: 50 levels, %ld states, %lld ms\n", zustaende, t.elapsed());
    return 0;
}
