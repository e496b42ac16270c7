#include "exercises/numbers/register.h"

#include "exercises/numbers/ulog11.h"
#include "exercises/numbers/umatrix1.h"
#include "exercises/numbers/upra03.h"
#include "exercises/numbers/urec08.h"
#include "exercises/numbers/urec09.h"
#include "exercises/numbers/usach02.h"
#include "exercises/numbers/uson13.h"
#include "exercises/numbers/uzah01.h"
#include "exercises/shared/uzuo01.h"
#include "shell/programmtabelle.h"

void registriereZahlen(Programmtabelle& tabelle)
{
    for (const Zahlart& art : Tzah01::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Tzah01(art); }));
    for (const Textart& art : Tpra03::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Tpra03(art); }));
    // the pair grids of "Zahlen"
    for (const Zuordnungsart& art : Tzuo01::mitglieder())
        if (art.programm <= 23)
            tabelle.setze(art.programm, einmalig([&art] { return new Tzuo01(art); }));
    tabelle.setze(Tsach02::kProgramm, einmalig([] { return new Tsach02; }));
    tabelle.setze(Tson13::kProgramm, einmalig([] { return new Tson13; }));
    tabelle.setze(Trec08::kProgramm, einmalig([] { return new Trec08; }));
    for (const Matrixart& art : Tmatrix1::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Tmatrix1(art); }));
    tabelle.setze(Tlog11::kProgramm, einmalig([] { return new Tlog11; }));
    tabelle.setze(Trec09::kProgramm, einmalig([] { return new Trec09; }));
}
