#include "exercises/logic/register.h"

#include "exercises/logic/ulog09.h"
#include "exercises/logic/ulog10.h"
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
    // the ordering sheets: "Reihenfolge" of "Wörter II" and "Planen"
    for (const Ordnungsart& art : Tlog09::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Tlog09(art); }));
    // the guessing games
    for (const Ratart& art : Tlog10::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Tlog10(art); }));
}
