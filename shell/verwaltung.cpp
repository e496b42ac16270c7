#include "shell/verwaltung.h"

#include "shell/programmtabelle.h"
#include "shell/uform4.h"

void registriereVerwaltung(Programmtabelle& t)
{
    t.setze(4, [] { fensterZeigen(TForm4::instanz()); });
}
