#include "exercises/logic/register.h"

#include "exercises/logic/tlog01.h"
#include "exercises/logic/ulog09.h"
#include "exercises/logic/ulog10.h"
#include "exercises/logic/uspielro.h"
#include "exercises/logic/uspielro1.h"
#include "exercises/logic/uspielra.h"
#include "exercises/logic/uspielsc.h"
#include "exercises/logic/uspielsp.h"
#include "shell/programmtabelle.h"

namespace {

// A level puzzle: the chooser of its row and its board, both kept for the run.
template <class Brett>
void levelspiel(Programmtabelle& tabelle, int programm)
{
    tabelle.setze(programm, einmalig([programm] {
        auto* brett = new Brett;
        return new Tspielro1(Tspielro1::mitglied(programm), [brett] {
            fensterZeigen(*brett);
            return brett->geladen();
        });
    }));
}

}

void registriereLogik(Programmtabelle& tabelle)
{
    levelspiel<Tspielro>(tabelle, 107);
    levelspiel<Tspielra>(tabelle, 119);
    levelspiel<Tspielsp>(tabelle, 106);
    levelspiel<Tspielsc>(tabelle, 105);
    // the logic text exercises
    for (const Logikart& art : Tlog01::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Tlog01(art); }));
    // the ordering sheets: "Reihenfolge" of "Wörter II" and "Planen"
    for (const Reihenfolgeart& art : Tlog09::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Tlog09(art); }));
    // the guessing games
    for (const Ratart& art : Tlog10::mitglieder())
        tabelle.setze(art.programm, einmalig([&art] { return new Tlog10(art); }));
}
