#include "exercises/memory/vergleich.h"

#include "common/zufall.h"
#include "common/zustand.h"

#include <algorithm>
#include <vector>

int Vergleichsaufgabe::wert(QPoint z) const
{
    if (z.x() < 0 || z.x() >= kSpalten || z.y() < 0 || z.y() >= kZeilen)
        return 0;
    return codes[z.y() * kSpalten + z.x()];
}

namespace {
const int kSymbole = int(kVergleichsSymbole.size());

// Draws among the cells that pass the test: as even as drawing until one does,
// and it ends whatever the numbers.
template <typename F> int zelleUnter(const Vergleichsaufgabe& a, int spalten, F passt)
{
    std::vector<int> wahl;
    for (int r = 0; r < Vergleichsaufgabe::kZeilen; ++r)
        for (int c = 0; c < spalten; ++c)
            if (passt(a.codes[r * Vergleichsaufgabe::kSpalten + c]))
                wahl.push_back(r * Vergleichsaufgabe::kSpalten + c);
    return wahl.empty() ? -1 : wahl[zufall::R(int(wahl.size())) - 1];
}
}

Vergleichsaufgabe baueVergleich(int symbole)
{
    Vergleichsaufgabe a;
    a.art = zufall::R(2) - 1;
    const int n = std::clamp(symbole, 0, Vergleichsaufgabe::kHalbe * Vergleichsaufgabe::kZeilen);
    for (int k = 0; k < n; ++k) {
        const int v = zufall::R(kSymbole);
        const int i = zelleUnter(a, Vergleichsaufgabe::kHalbe, [](int w) { return w == 0; });
        a.codes[i] = v;
        a.codes[i + Vergleichsaufgabe::kHalbe] = v;
    }
    if (a.art == 0) {
        const int i = zelleUnter(a, Vergleichsaufgabe::kSpalten, [](int w) { return w != 0; });
        if (i < 0) {
            a.art = 1;  // no symbol to change
            return a;
        }
        // one of the other 48 symbols, evenly
        int v = zufall::R(kSymbole - 1);
        if (v >= a.codes[i])
            ++v;
        a.codes[i] = v;
    }
    return a;
}

namespace vergleich {
std::optional<bool> antwort(int taste)
{
    switch (taste) {
    case 107: case 187: return true;
    case 109: case 189: return false;
    default: return std::nullopt;
    }
}
}

void Vergleichsspiel::zeigen()
{
    m_index = 0;
    levelnr = kStartSymbole;
    m_zumSchritt = 0;
    m_punkte = kStart;
    m_offen = false;
}

void Vergleichsspiel::neuerLauf()
{
    m_index = 0;
    m_punkte = kStart;
    neueAufgabe();
}

void Vergleichsspiel::neueAufgabe() { setze(baueVergleich(levelnr)); }

void Vergleichsspiel::setze(const Vergleichsaufgabe& a)
{
    m_aufgabe = a;
    m_offen = true;
}

std::optional<bool> Vergleichsspiel::antworte(bool gleich)
{
    if (!m_offen)
        return std::nullopt;
    m_offen = false;
    if (gleich != (m_aufgabe.art == 1))
        return false;
    m_punkte += kRichtig;
    if (++m_zumSchritt == 3) {
        m_zumSchritt = 0;
        ++levelnr;
    }
    return true;
}

bool Vergleichsspiel::weiterAufgabe()
{
    m_offen = false;
    if (++m_index < kAufgaben)
        return true;
    m_index = 0;
    return false;
}
