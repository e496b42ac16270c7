// The boards of "Schlange I/II" and "Matrix I/II" at 1920 x 1080: CPU time of
// drawing the whole board, with and without the window's repaint, and of one
// arrow key as the window gets it (a marker step or a cursor move).
//   QT_QPA_PLATFORM=offscreen build/bench/bench_schlange_matrix
#include "bench/messreihe.h"
#include "exercises/reaction/urea07.h"
#include "exercises/reaction/urea11.h"
#include "platform/anwendung.h"
#include "tests/support/testumgebung.h"

#include <QPushButton>
#include <QTest>

namespace {

template <typename Fenster, typename Malen> void messe(Fenster& f, const QString& was, Malen malen, Qt::Key hin, Qt::Key her)
{
    messreihe(was + QStringLiteral(" board"), malen);
    messreihe(was + QStringLiteral(" board + repaint"), [&] {
        malen();
        f.repaint();
    });
    int n = 0;
    messreihe(was + QStringLiteral(" arrow key"), [&] { QTest::keyClick(&f, n++ % 2 ? her : hin); });
}

}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    // a closed Schlange records its run: a working folder, the message window answered at once
    Arbeitsordner ordner;
    Form::setzeModalErsatz([](Form*) { return 0; });
    for (const Schlangenart& a : Trea07::mitglieder()) {
        Trea07 f(a);
        f.resize(1920, 1080);
        f.show();
        QCoreApplication::processEvents();
        // up and down in the start column, which holds no target
        messe(f, QStringLiteral("%1 %2x%3").arg(a.titel).arg(f.cw()).arg(f.ch()), [&] { f.zeichneBrett(); },
              Qt::Key_Up, Qt::Key_Down);
        f.close();
    }
    for (const Zahlmatrixart& a : Trea11::mitglieder()) {
        Trea11 f(a);
        f.resize(1920, 1080);
        f.show();
        QTest::mouseClick(f.start, Qt::LeftButton);
        QCoreApplication::processEvents();
        messe(f, QStringLiteral("%1 %2x%3").arg(a.titel).arg(f.cw()).arg(f.ch()), [&] { f.aufbau(); },
              Qt::Key_Right, Qt::Key_Left);
        f.close();
    }
    return 0;
}
