#include "exercises/numbers/zahlaufgaben.h"

#include "common/zufall.h"
#include "exercises/numbers/zahlworttabelle.h"

#include <algorithm>
#include <cmath>

namespace {

// A number from 0 to K - 1.
int z(int K) { return static_cast<int>(std::trunc(zufall::r() * K)); }

QString zahl(int n) { return QString::number(n); }

}

namespace aufgaben {

Zahlaufgabe tippen(int level, Zahlwortflags&)
{
    zufall::randomize();
    static constexpr int spanne[] = {10, 90, 900, 9000, 15000};
    static constexpr int ab[] = {0, 10, 100, 1000, 10000};
    const int l = std::clamp(level, 1, 5) - 1;
    const int n = z(spanne[l]) + ab[l];
    return {zahl(n), n, {}};
}

Zahlaufgabe zaehlen(int level, Zahlwortflags&)
{
    zufall::randomize();
    const int l = std::clamp(level, 1, 5);
    // at most 25 of the 36 cells, so the draw below always finds an empty one
    const int n = static_cast<int>(std::trunc(zufall::r() * 4 * l)) + l + 1;
    Zahlaufgabe a;
    a.loesung = n;
    for (int markiert = 0; markiert < n;) {
        const int zeile = z(6);
        const int spalte = z(6);
        bool& zelle = a.feld[zeile * 6 + spalte];
        if (!zelle) {
            zelle = true;
            ++markiert;
        }
    }
    return a;
}

Zahlaufgabe zahlwort(int level, Zahlwortflags& benutzt)
{
    zufall::randomize();
    const int l = std::clamp(level, 0, 3);
    // a block holds 20 words and a run asks at most 20 in one block; should a
    // block ever be used up, its words may come again rather than the draw hang
    if (std::all_of(benutzt.begin() + 20 * l + 1, benutzt.begin() + 20 * l + 21, [](bool b) { return b; }))
        std::fill(benutzt.begin() + 20 * l + 1, benutzt.begin() + 20 * l + 21, false);
    int i = 0;
    do
        i = static_cast<int>(std::trunc(zufall::r() * 20 + 20 * l)) + 1;
    while (benutzt[i]);
    benutzt[i] = true;
    const QString& eintrag = Zahlworttabelle(i);
    const int komma = eintrag.indexOf(QLatin1Char(','));
    return {eintrag.left(komma), eintrag.mid(komma + 1).toInt(), {}};
}

Zahlaufgabe plusMinus(int level, Zahlwortflags&)
{
    zufall::randomize();
    static constexpr int spanne[] = {10, 50, 100, 200, 800};
    static constexpr int ab[] = {1, 10, 10, 10, 10};
    const int l = std::clamp(level, 0, 4);
    auto operand = [&] { return z(spanne[l]) + ab[l]; };
    const int art = z(2);
    int a = operand();
    int b = operand();
    if (art == 0)
        return {zahl(a) + QStringLiteral(" + ") + zahl(b), a + b, {}};
    do {
        a = operand();
        b = operand();
    } while (b >= a);
    return {zahl(a) + QStringLiteral(" - ") + zahl(b), a - b, {}};
}

Zahlaufgabe malGeteilt(int level, Zahlwortflags&)
{
    zufall::randomize();
    static constexpr int grenze[] = {5, 8, 12, 16, 20};
    const int K = grenze[std::clamp(level, 0, 4)];
    const int art = z(2);
    const int a = z(K) + 1;
    const int b = z(K) + 1;
    if (art == 0)
        return {zahl(a * b) + QStringLiteral(" : ") + zahl(b), a, {}};
    return {zahl(a) + QStringLiteral(" * ") + zahl(b), a * b, {}};
}

Zahlaufgabe kette(int level, Zahlwortflags&)
{
    zufall::randomize();
    const int schritte = std::clamp(level, 1, 5);
    int s = z(9) + 4;
    QString text = zahl(s);
    for (int n = 0; n < schritte;) {
        const int d = z(9) + 1;
        const int o = z(3);
        if (o == 0 && s - d < 1)
            continue;  // drawn again, not counted
        if (o == 0) {
            text += QStringLiteral(" - ") + zahl(d);
            s -= d;
        } else {
            text += QStringLiteral(" + ") + zahl(d);
            s += d;
        }
        ++n;
    }
    return {text, s, {}};
}

}
