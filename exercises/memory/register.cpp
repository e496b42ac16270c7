#include "exercises/memory/register.h"

#include "exercises/memory/uged11.h"
#include "shell/programmtabelle.h"

void registriereGedaechtnis(Programmtabelle& tabelle)
{
    // the pairs memory
    for (const Paarart& art : Tged11::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Tged11(art); }));
}
