#include "exercises/numbers/sterne.h"

#include "common/zufall.h"

#include <cstdlib>

namespace sterne {

int anzahl(int abstand)
{
    int n = 0;
    for (int grenze : {100, 50, 25, 10, 5, 3})
        n += abstand < grenze;
    return n;
}

QString zeile(const QString& getippt, int abstand)
{
    if (abstand == 0)
        return getippt + QStringLiteral("     Treffer!");
    return getippt.leftJustified(5, QLatin1Char(' ')) + QString(anzahl(abstand), QLatin1Char('*'));
}

int trefferpunkte(int versuche) { return 2300 - 100 * versuche; }

}

void Sternespiel::starte()
{
    m_fertig = 0;
    neueRunde();
}

void Sternespiel::neueRunde()
{
    zufall::randomize();
    m_geheim = zufall::R(sterne::kGroesste);
    m_versuche = 0;
    m_rundenpunkte = 0;
    m_vorbei = false;
}

Sternespiel::Urteil Sternespiel::rate(int zahl, const QString& getippt)
{
    Urteil u;
    if (m_vorbei)
        return u;
    // a pasted number may be far off; the distance stays in range
    const long long abstand = std::llabs(static_cast<long long>(zahl) - m_geheim);
    ++m_versuche;
    u.zeile = sterne::zeile(getippt, abstand > 1000 ? 1000 : static_cast<int>(abstand));
    if (abstand == 0) {
        u.treffer = true;
        m_vorbei = true;
        m_rundenpunkte = sterne::trefferpunkte(m_versuche);
    } else if (m_versuche == sterne::kVersuche) {
        u.verfehlt = true;
        m_vorbei = true;
    }
    return u;
}

bool Sternespiel::zaehleRunde()
{
    m_vorbei = false;
    ++m_fertig;
    return m_fertig >= sterne::kRunden;
}
