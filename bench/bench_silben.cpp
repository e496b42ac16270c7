// The syllable grid drawn whole at 1920 x 1080 (4 x 6 cells, 24 syllables),
// CPU time per call.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_silben
#include "bench/messreihe.h"
#include "exercises/language/uwis08.h"
#include "platform/anwendung.h"

#include <QLineEdit>
#include <QTest>
#include <cstdio>

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    Twis08 f(silben::art(128));
    f.setzeMaximiert(false);
    f.resize(1920, 1080);
    f.show();
    QTest::keyClicks(f.wahl, "1");
    QTest::keyClick(f.wahl, Qt::Key_Return);
    QCoreApplication::processEvents();
    if (!f.laeuft()) {
        std::printf("no run\n");
        return 1;
    }
    messreihe(QStringLiteral("syllable grid %1x%2, pb %3x%4")
                  .arg(f.width())
                  .arg(f.height())
                  .arg(f.pb->width())
                  .arg(f.pb->height()),
              [&] { f.zeichne(); });
    f.close();
    return 0;
}
