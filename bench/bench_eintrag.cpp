// Result entry and highscore entry of one run, in a fresh working folder.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_eintrag
#include "common/zustand.h"
#include "platform/anwendung.h"
#include "shell/ergebnisse.h"
#include "shell/highscore.h"
#include "tests/support/testumgebung.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    Arbeitsordner ordner;
    nutzer = 1;
    nutzername = QStringLiteral("Messung");
    std::vector<double> zeiten;
    for (int lauf = 0; lauf < 200; ++lauf) {
        const int n = 13 + 12 * (lauf % 10) + lauf % 11;
        QElapsedTimer uhr;
        uhr.start();
        ergein(1, n, 100.0f + lauf);
        highein(n, 100.0f + lauf);
        zeiten.push_back(uhr.nsecsElapsed() / 1e6);
    }
    std::sort(zeiten.begin(), zeiten.end());
    std::printf("result + highscore entry: median %.3f ms, 95th percentile %.3f ms\n", zeiten[100], zeiten[190]);
    return 0;
}
