#include "shell/aufruf.h"

#include "common/programme.h"
#include "common/zustand.h"
#include "platform/dialoge.h"
#include "shell/programmtabelle.h"
#include "shell/uregel.h"

namespace {

Planlaeufer g_planlaeufer = nullptr;

bool brauchtNutzer(int n, Menueart art)
{
    if (art == Menueart::Knopfmenue)
        return n == 11 || n >= 13;
    return n == 4 || n == 5 || n == 11 || n >= 12;
}

}

void setzePlanlaeufer(Planlaeufer laeufer) { g_planlaeufer = laeufer; }

bool aufruf(int n, Menueart art)
{
    if (nutzer == 0 && brauchtNutzer(n, art)) {
        dialog::zeige(QStringLiteral("Es wurde kein Nutzer gewählt!"));
        return false;
    }
    const bool plan = n == 8 && g_planlaeufer;
    // A number without a window (a damaged plan can hand over any number) touches
    // neither the training state nor the rules window.
    if (!plan && !Programmtabelle::global().hat(n)) {
        dialog::zeige(QStringLiteral("Dieser Teil ist für Updates reserviert!"));
        return true;
    }
    if (plan) {
        g_planlaeufer(art);
        return true;
    }
    if (n >= 13) {
        aktprogramm = n;
        programmname = programm::kurzname(n);
        Tregel::instanz().zeigeModal();
    }
    Programmtabelle::global().oeffne(n);
    return true;
}
