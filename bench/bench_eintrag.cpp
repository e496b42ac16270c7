// The end of a run as the exercises save it: result and highscore, each in one
// locked step with the register that must still hold the user, in a fresh
// working folder.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_eintrag
#include "platform/anwendung.h"
#include "shell/uebungsrahmen.h"
#include "tests/support/testumgebung.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    Arbeitsordner ordner;
    waehleNutzer(1, QStringLiteral("Messung"));
    std::vector<double> zeiten;
    for (int lauf = 0; lauf < 200; ++lauf) {
        const int n = 13 + 12 * (lauf % 10) + lauf % 11;
        QElapsedTimer uhr;
        uhr.start();
        if (!laufEintragen(n, 100.0f + lauf)) {
            std::fprintf(stderr, "run %d was not saved\n", lauf);
            return 1;
        }
        zeiten.push_back(uhr.nsecsElapsed() / 1e6);
    }
    std::sort(zeiten.begin(), zeiten.end());
    std::printf("end of a run (result + highscore, each checked against the register): median %.3f ms, 95th "
                "percentile %.3f ms\n",
                zeiten[100], zeiten[190]);
    return 0;
}
