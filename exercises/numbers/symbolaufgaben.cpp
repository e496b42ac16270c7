#include "exercises/numbers/symbolaufgaben.h"

#include "common/zufall.h"
#include "exercises/shared/symboltabelle.h"

namespace {

// A number from 0 to K - 1.
int z(int K) { return zufall::R(K) - 1; }

}

namespace symbolrechnen {

Zifferncode ziehe()
{
    zufall::randomize();
    Zifferncode code;
    const std::vector<int> gezogen = zufall::ohneWiederholung(10, kSymbole);
    for (int d = 0; d < 10; ++d)
        code[d] = Symboltabelle(gezogen[d]).zeichen;
    return code;
}

Symbolaufgabe aufgabe(const Zifferncode& code)
{
    zufall::randomize();
    Symbolaufgabe t;
    if (z(2) == 1) {
        const int a = z(8) + 2;
        const int b = z(9) + 1;
        t.ergebnis = a * b;
        t.zeichen = code[a] + QStringLiteral("  *  ") + code[b] + QStringLiteral("  =");
        t.klar = QStringLiteral("%1*%2=%3").arg(a).arg(b).arg(t.ergebnis);
        return t;
    }
    // drawn in this order: tens of a, units of a, tens of b, units of b
    const int za = z(4) + 1;
    const int ea = z(10);
    const int zb = z(4) + 1;
    const int eb = z(10);
    const int a = 10 * za + ea;
    const int b = 10 * zb + eb;
    t.ergebnis = a + b;
    t.zeichen = QString(code[za]) + code[ea] + QStringLiteral("  +  ") + code[zb] + code[eb] + QStringLiteral("  =");
    t.klar = QStringLiteral("%1+%2=%3").arg(a).arg(b).arg(t.ergebnis);
    return t;
}

}
