// Opening windows and the memory they keep: every registered program is opened
// through its dispatcher, each window shown modally until its first paint and then
// closed. Prints how many exercise windows opened, the time from the rules window's
// close to the exercise's first paint, and resident memory (now and peak) at the
// start screen and after the tour. The tour plays as the user "Messung", whom it
// enters in the working folder's register if he is not there yet.
// Run in a working folder, under a real X server with a window manager (the figure
// that counts: the X backing stores) or offscreen:
//   cd ~/velmora && DISPLAY=:99 /path/to/build/bench/bench_fenster
//   cd ~/velmora && QT_QPA_PLATFORM=offscreen /path/to/build/bench/bench_fenster
#include "app/programme.h"
#include "bench/rundgang.h"
#include "platform/anwendung.h"
#include "shell/programmtabelle.h"
#include "shell/uform1.h"

#include <QScreen>
#include <algorithm>
#include <cstdio>

namespace {
void zeigeSpeicher(const char* wann, const Speicher& s)
{
    std::printf("%s: resident %.1f MB, peak %.1f MB\n", wann, s.aktuell / 1024.0, s.spitze / 1024.0);
}
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    std::printf("platform %s, screen %dx%d\n", qPrintable(QGuiApplication::platformName()),
                QGuiApplication::primaryScreen()->size().width(), QGuiApplication::primaryScreen()->size().height());
    programmeEintragen();
    TForm1 form1;
    form1.zeige();
    if (!warteAufMalen(&form1))
        std::printf("the start screen was not painted\n");
    zeigeSpeicher("start screen painted", speicher());

    Rundgang r = macheRundgang();
    std::sort(r.oeffnen.begin(), r.oeffnen.end());
    std::printf("windows painted and closed: %d\n", r.gemalt);
    // every program from 13 on is an exercise: its window follows its rules window
    int uebungen = 0;
    QStringList zu;
    for (int n = 13; n <= 131; ++n) {
        if (!Programmtabelle::global().hat(n))
            continue;
        ++uebungen;
        if (std::none_of(r.oeffnen.begin(), r.oeffnen.end(), [n](const auto& o) { return o.second == n; }))
            zu << QString::number(n);
    }
    std::printf("exercise windows opened: %zu of %d\n", r.oeffnen.size(), uebungen);
    if (!zu.isEmpty())
        std::printf("exercises not opened: %s\n", qPrintable(zu.join(QLatin1Char(' '))));
    if (!r.oeffnen.empty())
        std::printf("open exercise: %zu windows, median %.2f ms, slowest %.2f ms (program %d)\n", r.oeffnen.size(),
                    r.oeffnen[r.oeffnen.size() / 2].first, r.oeffnen.back().first, r.oeffnen.back().second);
    if (!r.ungemalt.isEmpty())
        std::printf("closed unpainted: %s\n", qPrintable(r.ungemalt.join(QLatin1Char(' '))));
    if (!r.haengend.isEmpty())
        std::printf("programs slow to return: %s\n", qPrintable(r.haengend.join(QLatin1Char(' '))));
    QCoreApplication::processEvents();
    zeigeSpeicher("after every window opened and closed", speicher());
    return 0;
}
