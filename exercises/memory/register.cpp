#include "exercises/memory/register.h"

#include "exercises/memory/uson04.h"
#include "exercises/memory/uson05.h"
#include "shell/programmtabelle.h"

void registriereGedaechtnis(Programmtabelle& tabelle)
{
    // the list windows: "Städte", "Alter", "Zahlentest"
    tabelle.setze(Tson04::kProgramm, einmalig([] { return new Tson04; }));
    for (const Rundenart& art : Tson05::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Tson05(art); }));
}
