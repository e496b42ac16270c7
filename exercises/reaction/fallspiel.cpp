#include "exercises/reaction/fallspiel.h"

void Fallspiel::zuruecksetzen()
{
    punkte = 1000.0f;
    geloescht = 0;
}

void Fallspiel::neuesSpiel()
{
    brett.leeren();
    ende = false;
    sichtbar = false;
    tempo = 0;
    intervall = kStartintervall;
    neuesBrett();
    ausstehend = true;
}

void Fallspiel::takt()
{
    if (ende)
        return;
    if (ausstehend) {
        ausstehend = false;
        neustein();
        return;
    }
    if (brett.passt(stein, 0, 1)) {
        Fallbrett::verschiebe(stein, 0, 1);
        return;
    }
    // A piece is fixed one tick after it comes to rest; the next spawns a tick later.
    sichtbar = false;
    fixieren();
    ausstehend = true;
}

void Fallspiel::links()
{
    if (steinFaellt() && brett.passt(stein, -1, 0))
        Fallbrett::verschiebe(stein, -1, 0);
}

void Fallspiel::rechts()
{
    if (steinFaellt() && brett.passt(stein, 1, 0))
        Fallbrett::verschiebe(stein, 1, 0);
}

void Fallspiel::hoch()
{
    if (steinFaellt())
        drehen();
}

void Fallspiel::runter()
{
    if (!steinFaellt())
        return;
    const int n = brett.fallweite(stein);
    Fallbrett::verschiebe(stein, 0, n);
    punkte += static_cast<float>(n);
}

int Fallspiel::anzeige(int x, int y) const
{
    int w = brett.wert(x, y);
    if (sichtbar)
        for (const fall::Block& b : stein.bloecke)  // a later block covers an earlier one
            if (b.x == x && b.y == y)
                w = b.wert;
    return w;
}

void Fallspiel::gezaehlt()
{
    punkte += 100.0f;
    ++geloescht;
    if (++tempo == 5) {
        if (intervall > kKuerzestes)
            intervall -= 100;
        tempo = 0;
    }
}
