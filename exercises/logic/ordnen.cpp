#include "exercises/logic/ordnen.h"

#include "common/fehler.h"
#include "common/zufall.h"

#include <utility>

namespace ordnen {

namespace {
QString feld(const QString& satz, int von, int breite)
{
    QString s = satz.mid(von, breite);
    while (s.endsWith(QLatin1Char(' ')))
        s.chop(1);
    return s;
}
}

Vier reihenfolgeSatz(const QString& satz)
{
    Vier v;
    for (int i = 0; i < 4; ++i)
        v[i] = feld(satz, 20 * i, 20);
    v[0] += QStringLiteral(" *");
    return v;
}

Plan planGruppe(const QStringList& vier)
{
    Plan p;
    p.text = vier.value(0) + QLatin1Char(' ') + vier.value(1);
    for (int i = 0; i < 4; ++i)
        p.schritte[i] = feld(vier.value(2 + i / 2), 35 * (i % 2), 35);
    return p;
}

void mische(Vier& v)
{
    for (int k = 0; k < 10; ++k) {
        const int a = zufall::R(4) - 1;
        const int b = zufall::R(4) - 1;
        std::swap(v[a], v[b]);
    }
}

int ziehe(std::vector<bool>& benutzt)
{
    std::vector<int> frei;
    for (int i = 0; i < static_cast<int>(benutzt.size()); ++i)
        if (!benutzt[i])
            frei.push_back(i);
    if (frei.empty())
        throw VelmoraFehler(QStringLiteral("Es gibt keine weiteren Aufgaben."));
    const int i = frei[zufall::R(static_cast<int>(frei.size())) - 1];
    benutzt[i] = true;
    return i + 1;
}

bool Auswahl::waehle(const QString& item)
{
    if (m_zahl >= 4)
        return false;
    m_liste[m_zahl++] = item;
    return true;
}

bool Auswahl::zurueck()
{
    if (m_zahl < 1)
        return false;
    --m_zahl;
    return true;
}

float Auswahl::punkte(const Vier& richtig) const
{
    float p = 0.0f;
    for (int i = 0; i < m_zahl; ++i)
        if (m_liste[i] == richtig[i])
            p += 25.0f;
    return p;
}

}
