// The grid pattern memory at 1920 x 1080: the paint of the grid with its
// pattern at Start (budget 4 ms) and the Timer1 tick that hides it and draws
// Repro's cursor frame or Wortmuster's 20 letters (budget 1 ms), each with and
// without the repaint of the image.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_rastermuster
//   (or under Xvfb: DISPLAY=:7 build/bench/bench_rastermuster)
#include "bench/messreihe.h"
#include "exercises/memory/uged01.h"
#include "exercises/memory/uged13.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

// Only the tick is timed; the pattern is shown again before each.
void tick(const QString& was, Rasterfenster& f, bool neuMalen)
{
    std::vector<double> z;
    for (int i = 0; i < 500; ++i) {
        f.zeigeMuster();
        const double a = cpuMs();
        f.Timer1Timer();
        if (neuMalen)
            f.pb->repaint();
        z.push_back(cpuMs() - a);
    }
    std::sort(z.begin(), z.end());
    std::printf("%-40s n=%zu  median %.3f ms  95th %.3f ms  max %.3f ms\n", qPrintable(was), z.size(), z[z.size() / 2],
                z[z.size() * 95 / 100], z.back());
}

}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    dialog::Skript skript;
    Form::setzeModalErsatz([](Form*) { return 0; });
    std::unique_ptr<Rasterfenster> fenster[] = {std::make_unique<Tged01>(), std::make_unique<Tged13>()};
    for (auto& f : fenster) {
        f->resize(1920, 1080);
        f->show();
        (void)QTest::qWaitForWindowExposed(f.get());
        QTest::mouseClick(f->start, Qt::LeftButton);
        QCoreApplication::processEvents();
        if (!f->Timer1->isActive()) {
            std::printf("%s: no task (%s)\n", qPrintable(f->windowTitle()), qPrintable(skript.texte.join(QLatin1Char(' '))));
            continue;
        }
        const QString name = f->windowTitle();
        messreihe(name + QStringLiteral(" grid"), [&] { f->zeigeMuster(); });
        messreihe(name + QStringLiteral(" grid + repaint"), [&] {
            f->zeigeMuster();
            f->pb->repaint();
        });
        tick(name + QStringLiteral(" Timer1 tick"), *f, false);
        tick(name + QStringLiteral(" Timer1 tick + repaint"), *f, true);
        f->close();
    }
    return 0;
}
