#include "exercises/logic/register.h"

#include "exercises/logic/tlog01.h"
#include "exercises/logic/uspielro.h"
#include "exercises/logic/uspielro1.h"
#include "shell/programmtabelle.h"

void registriereLogik(Programmtabelle& tabelle)
{
    // Robbi: the chooser and its board, both kept for the run
    tabelle.setze(107, einmalig([] {
        auto* brett = new Tspielro;
        return new Tspielro1(Tspielro1::mitglied(107), [brett] {
            fensterZeigen(*brett);
            return brett->geladen();
        });
    }));

    // the logic text exercises
    for (const Logikart& art : Tlog01::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Tlog01(art); }));
}
