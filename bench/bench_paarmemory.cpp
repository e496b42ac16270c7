// The pairs memory at 1920 x 1080: the paint of the Memory II board at Start
// (budget 4 ms), with and without the repaint of the image, and a face shown
// and cleared again (a different pair, the one-second display left out).
//   QT_QPA_PLATFORM=offscreen build/bench/bench_paarmemory
//   (or under Xvfb: DISPLAY=:7 build/bench/bench_paarmemory)
#include "bench/messreihe.h"
#include "exercises/memory/uged11.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/warten.h"

#include <QPushButton>
#include <QTest>

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    dialog::Skript skript;
    Form::setzeModalErsatz([](Form*) { return 0; });
    setzeWartenErsatz([](int) {});
    for (const Paarart& art : Tged11::mitglieder()) {
        Tged11 f(art);
        f.resize(1920, 1080);
        f.show();
        (void)QTest::qWaitForWindowExposed(&f);
        QTest::mouseClick(f.start, Qt::LeftButton);
        QCoreApplication::processEvents();
        if (!f.laeuft()) {
            std::printf("%s: no run (%s)\n", qPrintable(art.titel), qPrintable(skript.texte.join(QLatin1Char(' '))));
            continue;
        }
        const QString name = art.titel + QStringLiteral(" board");
        messreihe(name, [&] { f.aufbau(); });
        messreihe(name + QStringLiteral(" + repaint"), [&] {
            f.aufbau();
            f.pb->repaint();
        });
        // two cards of different values, shown and cleared
        const QPoint a = f.raster().zelle(QPoint(0, 0)).center();
        QPoint b;
        for (int i = 1; i < art.spalten * art.zeilen; ++i) {
            const QPoint z(i % art.spalten, i / art.spalten);
            if (f.spiel().wert(z) != f.spiel().wert(QPoint(0, 0)))
                b = f.raster().zelle(z).center();
        }
        messreihe(art.titel + QStringLiteral(" different pair + repaint"), [&] {
            QTest::mouseClick(f.pb, Qt::LeftButton, {}, a);
            QTest::mouseClick(f.pb, Qt::LeftButton, {}, b);
            f.pb->repaint();
        });
        f.close();
    }
    return 0;
}
