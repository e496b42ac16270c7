#include "app/programme.h"

#include "exercises/language/register.h"
#include "exercises/logic/register.h"
#include "exercises/memory/register.h"
#include "exercises/numbers/register.h"
#include "exercises/reaction/register.h"
#include "shell/programmtabelle.h"

void programmeEintragen()
{
    Programmtabelle& t = Programmtabelle::global();
    registriereZahlen(t);
    registriereSprache(t);
    registriereReaktion(t);
    registriereGedaechtnis(t);
    registriereLogik(t);
}
