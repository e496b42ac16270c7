#include "exercises/language/ordnung.h"

#include "common/cp1252.h"
#include "common/fehler.h"
#include "common/zufall.h"

#include <algorithm>

namespace ordnung {

bool vor(const QString& a, const QString& b)
{
    const QByteArray x = cp1252::kodiere(a);
    const QByteArray y = cp1252::kodiere(b);
    return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(),
                                        [](char p, char q) { return static_cast<unsigned char>(p) < static_cast<unsigned char>(q); });
}

Aufgabe sortieraufgabe(const std::vector<TBegriff>& liste, int wortzahl)
{
    Aufgabe a;
    a.vorgabe = wortliste::ziehe(liste, wortzahl, [](int) { return true; });
    a.loesung = a.vorgabe;
    std::sort(a.loesung.begin(), a.loesung.end(), vor);
    return a;
}

std::vector<QString> teile(const QString& satz)
{
    const QString s = QLatin1Char(' ') + satz;
    std::vector<QString> woerter;
    int anfang = 1;  // first character of the next word
    for (int i = 1; i < s.size() && static_cast<int>(woerter.size()) < kHoechstensWoerter - 1; ++i) {
        if (s[i] == QLatin1Char(' ')) {
            woerter.push_back(s.mid(anfang, i - anfang + 1));
            anfang = i + 1;
        }
    }
    const QString rest = s.mid(anfang);
    // a blank at the very end leaves nothing over: no empty word to pick
    if (!rest.isEmpty() || woerter.empty())
        woerter.push_back(rest);
    return woerter;
}

void mische(std::vector<QString>& woerter)
{
    const int n = static_cast<int>(woerter.size());
    if (n == 0)
        return;
    for (int k = 0; k < 20; ++k) {
        const int p = zufall::R(n) - 1;
        const int q = zufall::R(n) - 1;
        std::swap(woerter[p], woerter[q]);
    }
}

Aufgabe satzaufgabe(const QStringList& saetze, std::vector<bool>& benutzt, int band)
{
    // drawn among the unused sentences of the band, so the draw always ends
    std::vector<int> frei;
    for (int s = kSaetzeProBand * band; s < kSaetzeProBand * (band + 1) && s < saetze.size(); ++s)
        if (!benutzt[s])
            frei.push_back(s);
    if (frei.empty())
        throw VelmoraFehler(QStringLiteral("Es gibt keine weiteren Sätze."));
    const int s = frei[zufall::R(static_cast<int>(frei.size())) - 1];
    benutzt[s] = true;

    Aufgabe a;
    a.loesung = teile(saetze[s]);
    a.vorgabe = a.loesung;
    mische(a.vorgabe);
    return a;
}

bool richtig(const std::vector<QString>& eingabe, const std::vector<QString>& loesung)
{
    return eingabe == loesung;
}

void Stufe::richtig()
{
    if (++m_richtige < m_alle)
        return;
    m_richtige = 0;
    m_wert = std::min(m_wert + 1, m_hoechstens);
}

}
