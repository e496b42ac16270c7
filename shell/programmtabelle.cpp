#include "shell/programmtabelle.h"

#include "platform/form.h"

Programmtabelle& Programmtabelle::global()
{
    static Programmtabelle tabelle;
    return tabelle;
}

void Programmtabelle::setze(int n, Oeffner oeffner) { m_eintraege[n] = std::move(oeffner); }

void Programmtabelle::oeffne(int n) const
{
    const auto it = m_eintraege.find(n);
    if (it != m_eintraege.end())
        it->second();
}

void fensterZeigen(Form& fenster) { fenster.zeigeModal(); }
