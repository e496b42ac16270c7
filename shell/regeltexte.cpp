#include "shell/regeltexte.h"

#include <map>

const QStringList& regelzeilen(int n)
{
    static const std::map<int, QStringList> tabelle = [] {
        std::map<int, QStringList> t;
        for (const auto& gruppe : {regelnZahlenBisWoerter(), regelnReaktionBisGedaechtnis(), regelnLogikBisWissen()})
            for (const Regelliste& liste : gruppe)
                for (int n : liste.programme)
                    t[n] = liste.zeilen;
        return t;
    }();
    static const QStringList keine;
    const auto it = tabelle.find(n);
    return it == tabelle.end() ? keine : it->second;
}
