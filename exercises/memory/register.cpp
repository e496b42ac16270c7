#include "exercises/memory/register.h"

#include "exercises/memory/uged11.h"
#include "exercises/memory/urea03.h"
#include "exercises/memory/uson04.h"
#include "exercises/memory/uson05.h"
#include "shell/programmtabelle.h"

void registriereGedaechtnis(Programmtabelle& tabelle)
{
    // the pairs memory
    for (const Paarart& art : Tged11::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Tged11(art); }));
    // the list windows: "Städte", "Alter", "Zahlentest"
    tabelle.setze(Tson04::kProgramm, einmalig([] { return new Tson04; }));
    for (const Rundenart& art : Tson05::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Tson05(art); }));
    // "Figuren legen"
    tabelle.setze(Trea03::kProgramm, einmalig([] { return new Trea03; }));
}
