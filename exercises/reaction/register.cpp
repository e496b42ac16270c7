#include "exercises/reaction/register.h"

#include "shell/programmtabelle.h"

void registriereReaktion(Programmtabelle& tabelle)
{
    (void)tabelle;  // no exercise of these menus is built yet
}
