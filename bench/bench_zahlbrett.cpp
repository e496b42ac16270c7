// The aufbau of the number boards at 1920 x 1080: "Mathespiel", "Matrix+" and
// "Matrix*", CPU time per call.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_zahlbrett
#include "bench/messreihe.h"
#include "exercises/numbers/umatrix1.h"
#include "exercises/numbers/urec08.h"
#include "platform/anwendung.h"

#include <QPushButton>
#include <QTest>
#include <cstdio>
#include <memory>

namespace {

void messe(Zahlbrett& f, const char* was)
{
    f.resize(1920, 1080);
    f.show();
    QTest::mouseClick(f.start, Qt::LeftButton);
    QCoreApplication::processEvents();
    messreihe(QStringLiteral("%1 board %2x%3").arg(QString::fromUtf8(was)).arg(f.cw()).arg(f.ch()), [&] { f.aufbau(); });
    f.close();
}

}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    Trec08 spiel;
    messe(spiel, "Mathespiel");
    for (const Matrixart& a : Tmatrix1::mitglieder()) {
        Tmatrix1 m(a);
        messe(m, a.titel.toUtf8().constData());
    }
    return 0;
}
