#include "shell/uwah01.h"

#include "common/zustand.h"
#include "platform/dialoge.h"
#include "shell/nutzerregister.h"
#include "shell/uform4.h"

Twah01& Twah01::instanz()
{
    static Twah01* form = new Twah01;
    return *form;
}

Twah01::Twah01()
{
    setObjectName(QStringLiteral("wah01"));
    setWindowTitle(QStringLiteral("Nutzerwahl"));
    setzeOhneRahmenknoepfe();
}

void Twah01::FormActivate()
{
    m_namen.clear();  // what an earlier showing read is no choice now
    m_namen = nutzerregister::lies();
    aufbau(m_namen);
    rahmen(0, 0);
}

void Twah01::check(int spalte, int zeile)
{
    const int slot = (spalte - 1) * 10 + zeile;
    nutzer = slot;
    // a register that could not be read offers no user to choose
    nutzername = m_namen.value(slot - 1, nutzerregister::kFrei);
    if (nutzername != nutzerregister::kFrei) {
        dialog::zeige(QStringLiteral("Der gewählte Nutzer heißt ") + nutzername + QStringLiteral("."));
        hauptfenstertitelSetzen();
        TForm4::instanz().leeren();
    } else {
        nutzer = 0;
    }
    close();
}
