#include "exercises/memory/register.h"

#include "exercises/memory/uged01.h"
#include "exercises/memory/uged11.h"
#include "exercises/memory/uged13.h"
#include "exercises/memory/urea03.h"
#include "exercises/memory/uson04.h"
#include "exercises/memory/uson05.h"
#include "exercises/memory/umemo3.h"
#include "exercises/memory/uwahr09.h"
#include "exercises/memory/uwahr01.h"
#include "exercises/memory/uwahr03.h"
#include "exercises/memory/uwahr04.h"
#include "exercises/memory/uwahr07.h"
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
    for (const Merkart& art : Tmemo3::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Tmemo3(art); }));
    // the grid pattern memory: "Repro", "Wortmuster"
    tabelle.setze(Tged01::kProgramm, einmalig([] { return new Tged01; }));
    tabelle.setze(Tged13::kProgramm, einmalig([] { return new Tged13; }));
    // the letter lines: "Alphakett", "Musterband"
    for (const Zeilenart& art : Twahr09::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Twahr09(art); }));
    // "FARFO I", "FARFO II" and "Alphamix"
    for (const Farfoart& art : Twahr01::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Twahr01(art); }));
    tabelle.setze(Twahr03::kProgramm, einmalig([] { return new Twahr03; }));
    // "Sammeln I" to "Sammeln III" and "Vergleiche"
    for (const Sammelart& art : Twahr04::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Twahr04(art); }));
    tabelle.setze(Twahr07::kProgramm, einmalig([] { return new Twahr07; }));
    // "Figuren legen"
    tabelle.setze(Trea03::kProgramm, einmalig([] { return new Trea03; }));
}
