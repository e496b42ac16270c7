#include "exercises/reaction/register.h"

#include "exercises/reaction/ukon07.h"
#include "exercises/reaction/urea01.h"
#include "exercises/reaction/urea02.h"
#include "exercises/reaction/urea04.h"
#include "exercises/reaction/urea09.h"
#include "exercises/reaction/urea07.h"
#include "exercises/reaction/urea11.h"
#include "exercises/reaction/ukon01.h"
#include "shell/programmtabelle.h"

void registriereReaktion(Programmtabelle& tabelle)
{
    tabelle.setze(61, einmalig([] { return new Trea01; }));
    tabelle.setze(62, einmalig([] { return new Trea02; }));
    for (const Feldart& art : Trea04::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Trea04(art); }));
    for (const Kreuzart& art : Trea09::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Trea09(art); }));
    // the memory chains of "Konzentration"
    for (const Kettenart& art : Tkon07::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Tkon07(art); }));
    for (const Schlangenart& art : Trea07::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Trea07(art); }));
    for (const Zahlmatrixart& art : Trea11::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Trea11(art); }));
    // the grid quizzes
    for (const Gitterart& art : Tkon01::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Tkon01(art); }));
}
