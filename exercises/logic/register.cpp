#include "exercises/logic/register.h"

#include "exercises/logic/uspielro.h"
#include "exercises/logic/uspielro1.h"
#include "exercises/logic/uspielra.h"
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

    // Rangieren: the chooser's row with the rules and its own board
    tabelle.setze(119, einmalig([] {
        auto* brett = new Tspielra;
        return new Tspielro1(Tspielro1::mitglied(119), [brett] {
            fensterZeigen(*brett);
            return brett->geladen();
        });
    }));
}
