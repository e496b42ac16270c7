#include "exercises/language/register.h"

#include "exercises/language/udeu01.h"
#include "exercises/language/udeu09.h"
#include "exercises/language/uerg01.h"
#include "exercises/language/upra06.h"
#include "exercises/language/uwis05.h"
#include "exercises/language/uwis06.h"
#include "exercises/language/uwis08.h"
#include "exercises/language/uwor02.h"
#include "exercises/shared/uzuo01.h"
#include "shell/programmtabelle.h"

void registriereSprache(Programmtabelle& tabelle)
{
    for (int n : {41, 50})
        tabelle.setze(n, einmalig([n] { return new Tdeu01(sortierart(n)); }));
    for (int n : wortprogramme())
        tabelle.setze(n, einmalig([n] { return new Twor02(wortmitglied(n)); }));
    // the pair grids of "Wörter I", "Wörter II" and "Wissen"
    for (const Zuordnungsart& art : Tzuo01::mitglieder())
        if (art.programm > 23)
            tabelle.setze(art.programm, einmalig([&art] { return new Tzuo01(art); }));
    // the sentence grids of "Wörter II"
    for (const Satzgitterart& art : Terga01::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Terga01(art); }));
    // the syllable grids of "Wissen"
    for (const silben::Art& art : silben::arten())
        tabelle.setze(art.programm, einmalig([&art] { return new Twis08(art); }));
    // the hint ladder of "Wörter II" and "Wissen"
    for (const Leiterart& art : Twis05::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Twis05(art); }));
    tabelle.setze(Tdeu09::kProgramm, einmalig([] { return new Tdeu09; }));
    tabelle.setze(Twis06::kProgramm, einmalig([] { return new Twis06; }));
    // the questions of "Wissen"
    for (const Frageart& art : Tpra06::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Tpra06(art); }));
}
