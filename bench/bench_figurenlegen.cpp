// Figuren legen at 1920 x 1080: the paint of the empty board with the preview
// as at Start, and of the full board of 25 tiles (budget 4 ms), each with and
// without the repaint of the images.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_figurenlegen
//   (or under Xvfb: DISPLAY=:7 build/bench/bench_figurenlegen)
#include "bench/messreihe.h"
#include "exercises/memory/urea03.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"

#include <QPushButton>
#include <QTest>

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    dialog::Skript skript;
    Form::setzeModalErsatz([](Form*) { return 0; });
    Trea03 f;
    f.resize(1920, 1080);
    f.show();
    (void)QTest::qWaitForWindowExposed(&f);
    QTest::mouseClick(f.start, Qt::LeftButton);
    QCoreApplication::processEvents();
    const auto voll = [&] {
        for (int i = 0; i < 25; ++i)
            f.aufbau(f.puzzle().vorrat[i], f.puzzle().platz[i]);
    };
    messreihe(QStringLiteral("Figuren legen empty board"), [&] { f.leeresBrett(); });
    messreihe(QStringLiteral("Figuren legen empty board + repaint"), [&] {
        f.leeresBrett();
        f.pb->repaint();
        f.pb1->repaint();
    });
    messreihe(QStringLiteral("Figuren legen 25 tiles"), voll);
    messreihe(QStringLiteral("Figuren legen 25 tiles + repaint"), [&] {
        voll();
        f.pb->repaint();
    });
    f.close();
    return 0;
}
