#include "exercises/numbers/register.h"

#include "shell/programmtabelle.h"

void registriereZahlen(Programmtabelle& tabelle)
{
    (void)tabelle;  // no exercise of these menus is built yet
}
