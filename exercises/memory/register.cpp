#include "exercises/memory/register.h"

#include "exercises/memory/umemo3.h"
#include "shell/programmtabelle.h"

void registriereGedaechtnis(Programmtabelle& tabelle)
{
    for (const Merkart& art : Tmemo3::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Tmemo3(art); }));
}
