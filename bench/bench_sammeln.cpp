// A Sammeln grid at 1920 x 1080 drawn by each member (budget 4 ms), with and
// without the repaint of the image; and a Vergleiche task with 12 symbols.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_sammeln
//   (or under Xvfb: DISPLAY=:7 build/bench/bench_sammeln)
#include "bench/messreihe.h"
#include "common/zustand.h"
#include "exercises/memory/uwahr04.h"
#include "exercises/memory/uwahr07.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"

#include <QPushButton>
#include <QTest>

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    dialog::Skript skript;
    Form::setzeModalErsatz([](Form*) { return 0; });
    for (const Sammelart& art : Twahr04::mitglieder()) {
        Twahr04 f(art);
        f.resize(1920, 1080);
        f.show();
        (void)QTest::qWaitForWindowExposed(&f);
        QTest::mouseClick(f.start, Qt::LeftButton);
        QCoreApplication::processEvents();
        messreihe(art.titel + QStringLiteral(" grid"), [&] { f.aufbau(); });
        messreihe(art.titel + QStringLiteral(" grid + repaint"), [&] {
            f.aufbau();
            f.pb->repaint();
        });
        f.close();
    }
    Twahr07 v;
    v.resize(1920, 1080);
    v.show();
    (void)QTest::qWaitForWindowExposed(&v);
    levelnr = 12;
    QTest::mouseClick(v.start, Qt::LeftButton);
    messreihe(QStringLiteral("Vergleiche task, 12 symbols"), [&] { v.aufbau(); });
    messreihe(QStringLiteral("Vergleiche task + repaint"), [&] {
        v.aufbau();
        v.pb->repaint();
    });
    v.close();
    return 0;
}
