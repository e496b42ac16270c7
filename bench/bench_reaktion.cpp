// The reaction fields and the cross reaction at 1920 x 1080: the paint of each
// board (budget 4 ms), the work of a Timer1 tick and of an arrow key (1 ms), and
// the delay from the tick to the sign on screen, by the monotonic clock.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_reaktion
//   (or under Xvfb: DISPLAY=:7 build/bench/bench_reaktion)
#include "bench/messreihe.h"
#include "common/uhr.h"
#include "exercises/reaction/urea04.h"
#include "exercises/reaction/urea09.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

void zeige(Form& f)
{
    f.resize(1920, 1080);
    f.show();
    (void)QTest::qWaitForWindowExposed(&f);
    QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("start")), Qt::LeftButton);
    QCoreApplication::processEvents();
}

void drucke(const char* was, std::vector<double> z)
{
    std::sort(z.begin(), z.end());
    std::printf("%-40s n=%zu  median %.3f ms  95th %.3f ms  max %.3f ms\n", was, z.size(), z[z.size() / 2],
                z[z.size() * 95 / 100], z.back());
}

void feld(const Feldart& art)
{
    Trea04 f(art);
    zeige(f);
    const QString name = art.titel + QStringLiteral(" board");
    messreihe(name, [&] { f.maleFeld(); });
    messreihe(name + QStringLiteral(" + repaint"), [&] {
        f.maleFeld();
        f.pb->repaint();
    });
    f.close();
}

void kreuzreaktion(const Kreuzart& art)
{
    Trea09 f(art);
    zeige(f);
    f.Timer1->stop();
    const QString name = art.klasse + QStringLiteral(" board");
    messreihe(name, [&] { f.aufbau(); });
    messreihe(name + QStringLiteral(" + repaint"), [&] {
        f.aufbau();
        f.pb->repaint();
    });
    std::vector<double> takt, pfeil, verzug;
    for (int i = 0; i < 500; ++i) {
        if (f.aufzahl->text() == QStringLiteral("30/ 30")) {  // a fresh run before the last task
            f.close();
            zeige(f);
        }
        f.Timer1->stop();
        const double t0 = uhr::sekunden();
        double a = cpuMs();
        f.Timer1Timer();
        takt.push_back(cpuMs() - a);
        verzug.push_back((f.erschienen() - t0) * 1000.0);
        QKeyEvent e(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
        a = cpuMs();
        QCoreApplication::sendEvent(&f, &e);
        pfeil.push_back(cpuMs() - a);
        QCoreApplication::processEvents();
        QTest::mouseClick(f.weiter, Qt::LeftButton);
    }
    drucke(qPrintable(art.klasse + QStringLiteral(" Timer1 tick")), takt);
    drucke(qPrintable(art.klasse + QStringLiteral(" arrow key")), pfeil);
    drucke(qPrintable(art.klasse + QStringLiteral(" tick to sign shown (wall)")), verzug);
    f.close();
}

}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    dialog::Skript skript;
    Form::setzeModalErsatz([](Form*) { return 0; });
    for (const Feldart& art : Trea04::mitglieder())
        feld(art);
    for (const Kreuzart& art : Trea09::mitglieder())
        kreuzreaktion(art);
    return 0;
}
