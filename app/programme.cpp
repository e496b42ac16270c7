#include "app/programme.h"

#include "exercises/language/register.h"
#include "exercises/logic/register.h"
#include "exercises/memory/register.h"
#include "exercises/numbers/register.h"
#include "exercises/reaction/register.h"
#include "shell/programmtabelle.h"
#include "shell/verwaltung.h"

void programmeEintragen()
{
    Programmtabelle& t = Programmtabelle::global();
    registriereVerwaltung(t);
    registriereZahlen(t);
    registriereSprache(t);
    registriereReaktion(t);
    registriereGedaechtnis(t);
    registriereLogik(t);
}
