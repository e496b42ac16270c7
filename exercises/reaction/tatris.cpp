#include "exercises/reaction/tatris.h"

#include "common/zufall.h"

#include <algorithm>

namespace {

constexpr int kPaar = 1;
constexpr int kLauflaenge = 4;

// One step of colours or shapes: from this many runs on (0: no change).
struct Stufe {
    int ab;
    int farben;
    int formen;
};
const Stufe kStufen[] = {{10, 0, 2}, {20, 3, 0}, {25, 0, 3}, {30, 4, 0}};

}

const std::vector<fall::Drehung>& Tatrisspiel::drehungen()
{
    // Clockwise: the pair turns within a 2 x 2 box (block 3 stays on block 2), the
    // bar of three turns about block 2, the corner moves each block one step
    // around its 2 x 2 box.
    static const std::vector<fall::Drehung> tabelle = {
        {1, 1, 2, {{0, -1}, {1, -1}}, {{1, -1}, {0, 0}, {0, 0}}},
        {1, 2, 3, {{-1, 1}}, {{0, 1}, {-1, 0}, {-1, 0}}},
        {1, 3, 4, {{-1, -1}, {0, -1}}, {{0, 0}, {1, -1}, {1, -1}}},
        {1, 4, 1, {{-1, 0}}, {{-1, 0}, {0, 1}, {0, 1}}},
        {2, 1, 2, {{0, -1}, {1, -1}, {1, 1}, {2, 1}}, {{1, -1}, {0, 0}, {-1, 1}}},
        {2, 2, 3, {{1, 0}, {1, 1}, {-1, 1}, {-1, 2}}, {{1, 1}, {0, 0}, {-1, -1}}},
        {2, 3, 4, {{-2, -1}, {-1, -1}, {-1, 1}}, {{-1, 1}, {0, 0}, {1, -1}}},
        {2, 4, 1, {{-1, -1}, {1, -1}}, {{-1, -1}, {0, 0}, {1, 1}}},
        {3, 1, 2, {{1, 0}}, {{0, -1}, {1, 0}, {0, 1}}},
        {3, 2, 3, {{0, 1}}, {{1, 0}, {0, 1}, {-1, 0}}},
        {3, 3, 4, {{-1, 0}}, {{0, 1}, {-1, 0}, {0, -1}}},
        {3, 4, 1, {{0, -1}}, {{-1, 0}, {0, -1}, {1, 0}}},
    };
    return tabelle;
}

fall::Stein Tatrisspiel::startstein(int form, int f1, int f2, int f3)
{
    static const fall::Zelle kStart[3][3] = {
        {{3, 1}, {4, 1}, {4, 1}},  // two side by side: block 3 lies on block 2
        {{3, 1}, {4, 1}, {5, 1}},  // three in a row
        {{3, 2}, {3, 1}, {4, 1}},  // corner of three
    };
    fall::Stein s;
    s.form = form;
    s.lage = 1;
    const int farben[3] = {f1, f2, f3};
    for (int i = 0; i < 3; ++i)
        s.bloecke.push_back({kStart[form - 1][i].x, kStart[form - 1][i].y, farben[i]});
    return s;
}

void Tatrisspiel::neuesBrett()
{
    farbenzahl = 2;
    formenzahl = 1;
    vormal();
}

void Tatrisspiel::vormal()
{
    for (int i = 0; i < 6; ++i) {
        const int x = static_cast<int>(zufall::r() * 9 + 1);
        const int y = static_cast<int>(zufall::r() * 8 + 5);
        brett.setze(x, y, kBlau);
    }
}

void Tatrisspiel::neustein()
{
    // A landing with several runs can carry the count past a step: every step
    // reached comes into play.
    for (const Stufe& s : kStufen)
        if (geloescht >= s.ab) {
            farbenzahl = std::max(farbenzahl, s.farben);
            formenzahl = std::max(formenzahl, s.formen);
        }
    int f[3];
    for (int& farbe : f)
        farbe = static_cast<int>(zufall::r() * farbenzahl + 1);
    if (formenzahl == 1)
        f[2] = f[1];
    const int form = static_cast<int>(zufall::r() * formenzahl + 1);
    stein = startstein(form, f[0], f[1], f[2]);
    // A blocked piece is still shown, over the stack.
    sichtbar = true;
    ende = !brett.passt(stein, 0, 0);
}

void Tatrisspiel::drehen() { brett.drehe(stein, drehungen()); }

void Tatrisspiel::fixieren()
{
    for (const fall::Block& b : stein.bloecke)  // block 3 last: its colour stays on a shared cell
        brett.setze(b.x, b.y, b.wert);
    loeschen();
}

bool Tatrisspiel::lauf(int x, int y, int dx, int dy) const
{
    const int w = brett.wert(x, y);
    if (w == 0)
        return false;
    for (int i = 1; i < kLauflaenge; ++i)
        if (brett.wert(x + i * dx, y + i * dy) != w)
            return false;
    return true;
}

void Tatrisspiel::raeume(int x, int y, int dx, int dy)
{
    gezaehlt();
    for (int i = 0; i < kLauflaenge; ++i)
        brett.setze(x + i * dx, y + i * dy, 0);
}

void Tatrisspiel::loeschen()
{
    // Runs are found over the board as it changes, so a fifth equal cell stays.
    for (int x = Fallbrett::kLinks; x <= Fallbrett::kRechts - kLauflaenge + 1; ++x)
        for (int y = 1; y <= Fallbrett::kUnten; ++y)
            if (lauf(x, y, 1, 0))
                raeume(x, y, 1, 0);
    for (int x = Fallbrett::kLinks; x <= Fallbrett::kRechts; ++x)
        for (int y = 1; y <= Fallbrett::kUnten - kLauflaenge + 1; ++y)
            if (lauf(x, y, 0, 1))
                raeume(x, y, 0, 1);
    nachrutschen();
}

bool Tatrisspiel::rutsche(fall::Block& b)
{
    const int w = brett.wert(b.x, b.y);
    if (w == 0)
        return false;
    int y = b.y;
    while (brett.frei(b.x, y + 1))
        ++y;
    if (y == b.y)
        return false;
    brett.setze(b.x, b.y, 0);
    brett.setze(b.x, y, w);
    b.y = y;
    return true;
}

void Tatrisspiel::nachrutschen()
{
    // Only the landed piece may fall; older cells left hanging stay.
    auto frei = [this](const fall::Block& b) { return brett.frei(b.x, b.y); };
    fall::Block& b1 = stein.bloecke[0];
    fall::Block& b2 = stein.bloecke[1];
    if (stein.form == kPaar) {
        if (frei(b1) && !frei(b2))
            rutsche(b2);
        else if (frei(b2) && !frei(b1))
            rutsche(b1);
        return;
    }
    if (std::none_of(stein.bloecke.begin(), stein.bloecke.end(), frei))
        return;
    bool bewegt = true;
    while (bewegt) {
        bewegt = false;
        for (fall::Block& b : stein.bloecke)
            bewegt = rutsche(b) || bewegt;
    }
}
