// The Summenquadrat board at 1920 x 1080: neuspiel (the silver board, up to 48
// digits and the frame drawn on its image) and the board's paint on screen,
// CPU time per call.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_summen
#include "bench/messreihe.h"
#include "exercises/numbers/urec09.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/leinwand.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <cstdio>

namespace {

}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    Trec09 f;
    f.show();
    f.setGeometry(0, 0, 1920, 1080);
    f.neuspiel();
    std::printf("unit %d, board %dx%d\n", f.einheit(), f.ima->width(), f.ima->height());
    messreihe(QStringLiteral("neuspiel, 10 digits (1st task)"), [&] { f.neuspiel(); });
    // 19 right answers: the 20th task has 48 digits
    dialog::Skript skript;
    while (f.aufgabe() < Trec09::kAufgaben) {
        const Summenbrett& b = f.brett();
        for (int x = 1; x <= Summenbrett::kLetzte; ++x)
            for (int y = 1; y <= Summenbrett::kLetzte; ++y)
                if (b.summe(x, y) == b.ziel() && !b.getroffen()) {
                    while (b.fx != x)
                        QTest::keyClick(&f, Qt::Key_Right);
                    while (b.fy != y)
                        QTest::keyClick(&f, Qt::Key_Down);
                }
        QTest::keyClick(&f, Qt::Key_Return);
    }
    std::printf("task %d: %d digits\n", f.aufgabe(), f.brett().ziffern());
    messreihe(QStringLiteral("neuspiel, 48 digits (20th task)"), [&] { f.neuspiel(); });
    QImage ziel(f.ima->size(), QImage::Format_RGB32);
    messreihe(QStringLiteral("paint of the board"), [&] {
        QPainter p(&ziel);
        f.ima->render(&p);
    });
    return 0;
}
