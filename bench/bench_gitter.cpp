// The grid paint of the grid quizzes at 1920 x 1080: both fills and the
// characters of a task on the grid's picture, then the picture shown; CPU time
// per call.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_gitter
#include "bench/messreihe.h"
#include "exercises/reaction/ukon01.h"
#include "platform/anwendung.h"
#include "platform/leinwand.h"

#include <QPushButton>
#include <QTest>

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    for (const Gitterart& a : Tkon01::mitglieder()) {
        if (a.zeilen)
            continue;  // "Unterschiede" shows two labels, no grid
        Tkon01 f(a);
        f.resize(1920, 1080);
        f.show();
        QTest::mouseClick(f.start, Qt::LeftButton);
        QCoreApplication::processEvents();
        messreihe(QStringLiteral("%1 grid %2 px").arg(a.titel).arg(f.pb->width()), [&] {
            f.aufbau();
            f.pb->repaint();
        });
        f.close();
    }
    return 0;
}
