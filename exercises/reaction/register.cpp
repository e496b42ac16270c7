#include "exercises/reaction/register.h"

#include "exercises/reaction/urea01.h"
#include "exercises/reaction/urea02.h"
#include "exercises/reaction/ukon01.h"
#include "shell/programmtabelle.h"

void registriereReaktion(Programmtabelle& tabelle)
{
    tabelle.setze(61, einmalig([] { return new Trea01; }));
    tabelle.setze(62, einmalig([] { return new Trea02; }));
    // the grid quizzes
    for (const Gitterart& art : Tkon01::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Tkon01(art); }));
}
