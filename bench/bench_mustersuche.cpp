// FARFO I and II at 1920 x 1080: a task of the twentieth round after 19 right
// blocks (67 items) made and painted (budget 4 ms), with and without the
// repaint of the image; and the Alphamix grid with its 26 letters.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_mustersuche
//   (or under Xvfb: DISPLAY=:7 build/bench/bench_mustersuche)
#include "bench/messreihe.h"
#include "exercises/memory/uwahr01.h"
#include "exercises/memory/uwahr03.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"

#include <QPushButton>
#include <QTest>

namespace {
void drueck(QWidget* w, Qt::Key k) { QTest::keyClick(w, k); }
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    dialog::Skript skript;
    Form::setzeModalErsatz([](Form*) { return 0; });
    for (const Farfoart& art : Twahr01::mitglieder()) {
        Twahr01 f(art);
        f.resize(1920, 1080);
        f.show();
        (void)QTest::qWaitForWindowExposed(&f);
        while (f.richtige() < 19) {
            const QPoint u = f.feld().ursprung();
            while (f.cursor().x() != u.x())
                drueck(&f, Qt::Key_Right);
            while (f.cursor().y() != u.y())
                drueck(&f, Qt::Key_Down);
            drueck(&f, Qt::Key_Return);
        }
        QCoreApplication::processEvents();
        messreihe(art.titel + QStringLiteral(" task, 67 items"), [&] { f.neuspiel(); });
        messreihe(art.titel + QStringLiteral(" task + repaint"), [&] {
            f.neuspiel();
            f.ima->repaint();
        });
        f.close();
    }
    Twahr03 a;
    a.resize(1920, 1080);
    a.show();
    (void)QTest::qWaitForWindowExposed(&a);
    QTest::mouseClick(a.start, Qt::LeftButton);
    messreihe(QStringLiteral("Alphamix grid"), [&] { a.aufbau(); });
    messreihe(QStringLiteral("Alphamix grid + repaint"), [&] {
        a.aufbau();
        a.pb->repaint();
    });
    a.close();
    return 0;
}
