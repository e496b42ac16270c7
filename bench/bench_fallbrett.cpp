// One tick of the falling-block games with its paint, at 1920 x 1080: CPU time
// per tick while pieces fall and move, and for a tick that clears four rows of a
// tall stack. Two figures each: the tick handler with its painting onto the
// board image, and the same with the repaint of the window that follows.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_fallbrett
//   (or under Xvfb: DISPLAY=:7 build/bench/bench_fallbrett)
#include "common/zufall.h"
#include "exercises/reaction/tetris.h"
#include "exercises/reaction/urea01.h"
#include "exercises/reaction/urea02.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"

#include <QKeyEvent>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Zeiten {
    std::vector<double> handler;  // tick and board image
    std::vector<double> gesamt;   // and the window's repaint
};

void takt(Fallfenster& f, Zeiten& z)
{
    const double a = cpuMs();
    f.Timer1Timer();
    const double b = cpuMs();
    QCoreApplication::processEvents();
    z.handler.push_back(b - a);
    z.gesamt.push_back(cpuMs() - a);
}

void leeren(Fallfenster& f)
{
    for (int x = 1; x <= 9; ++x)
        for (int y = -1; y <= 13; ++y)
            f.spiel().brett.setze(x, y, 0);
    f.malen();
    QCoreApplication::processEvents();
}

void zeile(const char* was, std::vector<double> z)
{
    std::sort(z.begin(), z.end());
    std::printf("  %-26s n=%5zu  median %.3f ms  95th %.3f ms  max %.3f ms\n", was, z.size(), z[z.size() / 2],
                z[z.size() * 95 / 100], z.back());
}

void bericht(const char* was, const Zeiten& z)
{
    std::printf("%s\n", was);
    zeile("tick + board image", z.handler);
    zeile("tick + image + repaint", z.gesamt);
}

void messe(Fallfenster& f, const char* name)
{
    f.resize(1920, 1080);
    f.show();
    QTest::mouseClick(f.start, Qt::LeftButton);
    f.Timer1->stop();  // the bench gives the ticks itself
    QCoreApplication::processEvents();

    // Pieces fall and move; the field is emptied before a piece could be blocked.
    Zeiten fallen;
    const Qt::Key tasten[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
    for (int n = 0; n < 20000; ++n) {
        Fallspiel& s = f.spiel();
        if (s.ausstehend) {
            bool hoch = false;
            for (int x = 1; x <= 9; ++x)
                hoch = hoch || !s.brett.frei(x, 4);
            if (hoch)
                leeren(f);
        }
        takt(f, fallen);
        if (n % 3 == 0) {
            QKeyEvent e(QEvent::KeyPress, tasten[zufall::R(4) - 1], Qt::NoModifier);
            QCoreApplication::sendEvent(&f, &e);
            QCoreApplication::processEvents();
        }
    }
    bericht(name, fallen);
}

// Tetris: rows 10..13 full but for column 5, an upright bar drops into the gap.
void messeLoeschen(Trea01& f)
{
    Zeiten loeschen;
    for (int n = 0; n < 2000; ++n) {
        Fallspiel& s = f.spiel();
        leeren(f);
        for (int y = 3; y <= 13; ++y)
            for (int x = 1; x <= 9; ++x)
                if (x != 5 && (y >= 10 || (x + y) % 3 != 0))
                    s.brett.setze(x, y, 1 + (x + y) % 7);
        f.malen();
        s.stein = Tetrisspiel::startstein(4, 5);
        s.ausstehend = false;
        s.sichtbar = true;
        s.hoch();
        s.runter();
        f.malen();
        QCoreApplication::processEvents();
        takt(f, loeschen);
    }
    bericht("Tetris, tick clearing 4 rows", loeschen);
}

}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    dialog::Skript skript;
    zufall::setzeSaat(7);
    Trea01 tetris;
    messe(tetris, "Tetris, tick with its paint");
    messeLoeschen(tetris);
    tetris.close();
    Trea02 tatris;
    messe(tatris, "Tatris, tick with its paint");
    return 0;
}
