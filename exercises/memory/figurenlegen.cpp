#include "exercises/memory/figurenlegen.h"

#include "common/zufall.h"

#include <utility>

namespace figuren {

Kachel rechts(Kachel k) { return {k.links, k.oben, k.rechts, k.unten}; }

Kachel links(Kachel k) { return {k.rechts, k.unten, k.links, k.oben}; }

Kachel spiegeln(Kachel k) { return {k.oben, k.links, k.unten, k.rechts}; }

namespace {
int farbe() { return zufall::R(kFarben); }
// A column or row of the shuffle, 0 to 4: the last column and row take part too.
int stelle() { return zufall::R(kSeite) - 1; }
}

Puzzle neuesPuzzle()
{
    Brett brett;
    std::array<std::array<QPoint, kSeite>, kSeite> herkunft;
    for (int c = 0; c < kSeite; ++c)
        for (int r = 0; r < kSeite; ++r) {
            Kachel& k = brett[c][r];
            k.oben = farbe();
            k.rechts = farbe();
            k.unten = farbe();
            k.links = farbe();
            if (r > 0)
                k.oben = brett[c][r - 1].unten;
            if (c > 0)
                k.links = brett[c - 1][r].rechts;
            herkunft[c][r] = QPoint(c, r);
        }
    for (int i = 0; i < kTausche; ++i) {
        const int c1 = stelle(), r1 = stelle(), c2 = stelle(), r2 = stelle();
        std::swap(brett[c1][r1], brett[c2][r2]);
        std::swap(herkunft[c1][r1], herkunft[c2][r2]);
    }
    Puzzle p;
    for (int c = 0; c < kSeite; ++c)
        for (int r = 0; r < kSeite; ++r) {
            p.vorrat[c * kSeite + r] = brett[c][r];
            p.platz[c * kSeite + r] = herkunft[c][r];
        }
    return p;
}

Pruefung pruefe(const Brett& brett, QPoint z, const Kachel& t)
{
    const int c = z.x(), r = z.y();
    if (brett[c][r].belegt())
        return Pruefung::Belegt;
    bool erlaubt = true, nachbar = false;
    const auto vergleiche = [&](int gegenueber, int eigen) {
        if (gegenueber != 0 && gegenueber != eigen)
            erlaubt = false;
        if (gegenueber > 0)
            nachbar = true;
    };
    if (c > 0)
        vergleiche(brett[c - 1][r].rechts, t.links);
    if (c < kSeite - 1)
        vergleiche(brett[c + 1][r].links, t.rechts);
    if (r > 0)
        vergleiche(brett[c][r - 1].unten, t.oben);
    if (r < kSeite - 1)
        vergleiche(brett[c][r + 1].oben, t.unten);
    if (!erlaubt)
        return Pruefung::PasstNicht;
    return nachbar ? Pruefung::Angelegt : Pruefung::Allein;
}

}
