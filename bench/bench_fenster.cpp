// Opening windows: for every program in the table, the time from the call to
// the window being shown (rules window answered at once), and the resident
// memory once every window has been opened. Run in a working folder:
//   cd ~/velmora && QT_QPA_PLATFORM=offscreen /path/to/build/bench/bench_fenster
#include "app/programme.h"
#include "common/zustand.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/form.h"
#include "shell/aufruf.h"
#include "shell/programmtabelle.h"

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
long residentKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& zeile : f.readAll().split('\n'))
        if (zeile.startsWith("VmRSS:"))
            return zeile.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    programmeEintragen();
    nutzer = 1;
    nutzername = QStringLiteral("Messung");
    dialog::Skript skript;  // message boxes answer at once
    QElapsedTimer uhr;
    double bisGezeigt = 0;
    Form::setzeModalErsatz([&](Form* f) {
        if (f->objectName() == QLatin1String("regel")) {  // the rules window: the clock starts when it closes
            uhr.start();
            return 0;
        }
        f->show();
        QCoreApplication::processEvents();
        bisGezeigt = uhr.nsecsElapsed() / 1e6;
        f->hide();
        return 0;
    });
    std::vector<std::pair<double, int>> zeiten;
    for (int n = 13; n <= 131; ++n) {
        if (!Programmtabelle::global().hat(n))
            continue;
        bisGezeigt = 0;
        aufruf(n, Menueart::Windowsmenue);
        zeiten.push_back({bisGezeigt, n});
    }
    std::sort(zeiten.begin(), zeiten.end());
    if (!zeiten.empty())
        std::printf("open exercise: %zu windows, median %.2f ms, slowest %.2f ms (program %d)\n", zeiten.size(),
                    zeiten[zeiten.size() / 2].first, zeiten.back().first, zeiten.back().second);
    for (int n = 1; n <= 11; ++n)
        if (n != 8 && n != 10)
            aufruf(n, Menueart::Knopfmenue);
    std::printf("resident memory after opening every window: %.1f MB\n", residentKb() / 1024.0);
    return 0;
}
