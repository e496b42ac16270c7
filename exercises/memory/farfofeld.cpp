#include "exercises/memory/farfofeld.h"

#include "common/zufall.h"

#include <algorithm>
#include <vector>

int Farfofeld::code(int spalte, int zeile) const
{
    if (spalte < 1 || spalte > kSpalten || zeile < 1 || zeile > kZeilen)
        return 0;
    return m_codes[(spalte - 1) * kZeilen + zeile - 1];
}

void Farfofeld::setze(int spalte, int zeile, int code)
{
    if (spalte >= 1 && spalte <= kSpalten && zeile >= 1 && zeile <= kZeilen)
        zelle(spalte, zeile) = code;
}

bool Farfofeld::blockBelegt(QPoint block) const
{
    for (int i = 0; i < kBlock; ++i)
        for (int j = 0; j < kBlock; ++j)
            if (code(block.x() + i, block.y() + j) != 0)
                return true;
    return false;
}

void Farfofeld::neueAufgabe(int richtige)
{
    m_codes.fill(0);
    const int n = std::min(anzahlFuer(richtige), kSuche * kSuche);
    for (int k = 0; k < n; ++k) {
        const int art = zufall::R(kArten);
        // a draw among the empty cells is as even as drawing any cell until an
        // empty one comes up, and always ends
        std::vector<QPoint> leer;
        for (int c = 1; c <= kSuche; ++c)
            for (int r = 1; r <= kSuche; ++r)
                if (code(c, r) == 0)
                    leer.emplace_back(c, r);
        const QPoint z = leer[zufall::R(int(leer.size())) - 1];
        zelle(z.x(), z.y()) = art;
    }
    std::vector<QPoint> bloecke;
    const int letzte = kSuche - kBlock + 1;
    for (int c = 1; c <= letzte; ++c)
        for (int r = 1; r <= letzte; ++r)
            if (blockBelegt({c, r}))
                bloecke.emplace_back(c, r);
    m_ursprung = bloecke[zufall::R(int(bloecke.size())) - 1];
    for (int i = 0; i < kBlock; ++i)
        for (int j = 0; j < kBlock; ++j)
            zelle(kMusterSpalte + i, 1 + j) = code(m_ursprung.x() + i, m_ursprung.y() + j);
}

bool Farfofeld::gleichDemMuster(QPoint block) const
{
    for (int i = 0; i < kBlock; ++i)
        for (int j = 0; j < kBlock; ++j)
            if (code(block.x() + i, block.y() + j) != code(kMusterSpalte + i, 1 + j))
                return false;
    return true;
}
