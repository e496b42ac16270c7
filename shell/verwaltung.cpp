#include "shell/verwaltung.h"

#include "shell/aufruf.h"
#include "shell/planlauf.h"
#include "shell/programmtabelle.h"
#include "shell/udat01.h"
#include "shell/udat02.h"
#include "shell/udatlist.h"
#include "shell/uform4.h"
#include "shell/uform5.h"
#include "shell/uinf01.h"
#include "shell/uinf02.h"
#include "shell/unut01.h"
#include "shell/unut02.h"
#include "shell/uplan02.h"
#include "shell/upasswort.h"
#include "shell/uwah01.h"

void registriereVerwaltung(Programmtabelle& t)
{
    t.setze(1, [] { fensterZeigen(Tnut01::instanz()); });
    t.setze(2, [] { fensterZeigen(Tnut02::instanz()); });
    t.setze(3, [] { fensterZeigen(Twah01::instanz()); });
    t.setze(4, [] { fensterZeigen(TForm4::instanz()); });
    t.setze(5, [] { fensterZeigen(Tdat01::instanz()); });
    t.setze(6, [] { fensterZeigen(Tdat02::instanz()); });
    t.setze(7, [] {
        fensterZeigen(Tinf01::instanz());
        fensterZeigen(Tinf02::instanz());
    });
    t.setze(9, [] { fensterZeigen(Tplan02::instanz()); });
    setzePlanlaeufer(planauf);
    t.setze(11, [] { fensterZeigen(Tdatlist::instanz()); });
    t.setze(10, [] {
        if (TPasswordDlg::instanz().pruefe())
            fensterZeigen(TForm5::instanz());
    });
}
