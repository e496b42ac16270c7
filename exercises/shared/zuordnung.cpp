#include "exercises/shared/zuordnung.h"

#include "common/zufall.h"

#include <utility>

namespace zuordnung {

Paar teile(const QString& satz)
{
    const qsizetype komma = satz.indexOf(QLatin1Char(','));
    if (komma < 0)
        return {satz, QString()};
    return {satz.left(komma), satz.mid(komma + 1)};
}

void Runde::mische(const QStringList& tabelle, int gruppe)
{
    zufall::randomize();
    m_saetze.clear();
    for (int k : zufall::ohneWiederholung(kPaare, kProGruppe))
        m_saetze.push_back(ersterSatz(gruppe) + k - 1);
    for (int i = 1; i <= kPaare; ++i) {
        const int nr = m_saetze[i - 1];
        const Paar p = teile(nr >= 0 && nr < tabelle.size() ? tabelle[nr] : QString());
        z(1, i) = {p.links, i};
        z(2, i) = {p.rechts, i};
    }
    for (int k = 0; k < 10; ++k) {
        const int c1 = zufall::R(kSpalten);
        const int r1 = zufall::R(kZeilen);
        const int c2 = zufall::R(kSpalten);
        const int r2 = zufall::R(kZeilen);
        std::swap(z(c1, r1), z(c2, r2));
    }
    m_zahl = 0;
    m_geloest = 0;
}

const Zelle& Runde::zelle(int spalte, int zeile) const
{
    static const Zelle leer;
    return imGitter(spalte, zeile) ? m_zellen[spalte - 1][zeile - 1] : leer;
}

Wahl Runde::waehle(int spalte, int zeile)
{
    if (!imGitter(spalte, zeile) || z(spalte, zeile).paar <= 0)
        return Wahl::Nichts;
    if (++m_zahl == 1) {
        m_ersteSpalte = spalte;
        m_ersteZeile = zeile;
        m_erstesPaar = z(spalte, zeile).paar;
        return Wahl::Erste;
    }
    m_zahl = 0;
    const bool selbe = spalte == m_ersteSpalte && zeile == m_ersteZeile;
    if (selbe || z(spalte, zeile).paar != m_erstesPaar)
        return Wahl::Fehler;
    z(spalte, zeile).paar = 0;
    z(m_ersteSpalte, m_ersteZeile).paar = 0;
    ++m_geloest;
    return Wahl::Treffer;
}

}
