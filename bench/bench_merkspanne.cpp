// Wortmerk at 1920 x 1080: the paint of the 12 boxes with the list and with the
// board (budget 4 ms), and the redraw of one picked item.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_merkspanne <working folder>
//   (or under Xvfb: DISPLAY=:7 build/bench/bench_merkspanne <working folder>)
#include "bench/messreihe.h"
#include "exercises/memory/umemo3.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"

#include <QDir>
#include <QPushButton>
#include <QTest>
#include <cstdio>

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    if (argc > 1)
        QDir::setCurrent(QString::fromLocal8Bit(argv[1]));
    dialog::Skript skript;
    Tmemo3 f(Tmemo3::mitglieder()[1]);
    f.resize(1920, 1080);
    f.show();
    (void)QTest::qWaitForWindowExposed(&f);
    QTest::mouseClick(f.Start, Qt::LeftButton);
    QCoreApplication::processEvents();
    if (!f.laeuft()) {
        std::printf("no run: %s\n", qPrintable(skript.texte.value(0)));
        return 1;
    }
    messreihe(QStringLiteral("Wortmerk list"), [&] { f.zeichnen(0); });
    messreihe(QStringLiteral("Wortmerk board"), [&] { f.zeichnen(1); });
    messreihe(QStringLiteral("Wortmerk board + repaint"), [&] {
        f.zeichnen(1);
        f.repaint();
    });
    QTest::keyClick(&f, Qt::Key_Space);
    // a pick and its unpick: one cell that is not in the list
    int z = 0;
    while (f.runde().inListe(z))
        ++z;
    const QPoint p = f.gitter().zellrahmen(z / merkspanne::kZeilen, z % merkspanne::kZeilen).center();
    messreihe(QStringLiteral("Wortmerk pick or unpick"), [&] {
        QTest::mouseClick(&f, Qt::LeftButton, {}, p);
    });
    f.close();
    return 0;
}
