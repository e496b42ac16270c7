#include "exercises/logic/register.h"

#include "exercises/logic/uspielro.h"
#include "exercises/logic/uspielro1.h"
#include "exercises/logic/uspielsc.h"
#include "exercises/logic/uspielsp.h"
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

    // Springen and Schieben: their choosers and boards, both kept for the run
    tabelle.setze(106, einmalig([] {
        auto* brett = new Tspielsp;
        return new Tspielro1(Tspielro1::mitglied(106), [brett] {
            fensterZeigen(*brett);
            return brett->geladen();
        });
    }));
    tabelle.setze(105, einmalig([] {
        auto* brett = new Tspielsc;
        return new Tspielro1(Tspielro1::mitglied(105), [brett] {
            fensterZeigen(*brett);
            return brett->geladen();
        });
    }));
}
