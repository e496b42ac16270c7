#include "exercises/language/silben.h"

#include "common/textformat.h"
#include "common/zufall.h"
#include "exercises/shared/mitglied.h"

namespace silben {

const Art& art(int programm) { return mitgliedVon(arten(), programm); }

QString themenzeile(int block, const char* thema)
{
    return QStringLiteral("%1) ").arg(block, 2) + QString::fromUtf8(thema);
}

Teilung teile(const QString& eintrag)
{
    const qsizetype p = eintrag.lastIndexOf(QLatin1Char('#'));
    if (p < 0)
        return {eintrag, eintrag, QString()};
    return {eintrag.left(p) + eintrag.mid(p + 1), eintrag.left(p), eintrag.mid(p + 1)};
}

bool gleich(const QString& a, const QString& b) { return textformat::grossAZ(a) == textformat::grossAZ(b); }

void Runde::starte(const Block& block)
{
    for (int i = 0; i < kWoerter; ++i) {
        const Teilung t = teile(QString::fromUtf8(block.eintraege[i]).left(kKapazitaet));
        m_woerter[i] = t.wort;
        m_silben[i] = t.erste;
        m_silben[i + kWoerter] = t.zweite;
    }
    verteilen();
    m_zahl = 0;
    m_geloest = 0;
    m_gebaut.clear();
}

void Runde::verteilen()
{
    zufall::randomize();
    m_zellen = {};
    // A drawn cell must be free; a scripted sequence that keeps hitting taken
    // cells must not hang the window, so the draw gives up after a while and
    // takes the first free cell.
    auto setze = [this](int nr) {
        for (int versuch = 0; versuch < 1000; ++versuch) {
            const int s = static_cast<int>(zufall::r() * kSpalten);
            const int z = static_cast<int>(zufall::r() * kZeilen);
            if (drin(s, z) && m_zellen[s][z].nummer == 0) {
                m_zellen[s][z] = {nr, m_silben[nr - 1], Zustand::Frei};
                return;
            }
        }
        for (auto& spalte : m_zellen)
            for (Zelle& c : spalte)
                if (c.nummer == 0) {
                    c = {nr, m_silben[nr - 1], Zustand::Frei};
                    return;
                }
    };
    for (int p = 1; p <= kWoerter; ++p) {
        setze(p);
        setze(p + kWoerter);
    }
}

int Runde::nummer(int s, int z) const { return drin(s, z) ? m_zellen[s][z].nummer : 0; }

QString Runde::text(int s, int z) const { return drin(s, z) ? m_zellen[s][z].text : QString(); }

Zustand Runde::zustand(int s, int z) const { return drin(s, z) ? m_zellen[s][z].zustand : Zustand::Frei; }

Wahl Runde::waehle(int s, int z)
{
    if (m_zahl == 2 || nummer(s, z) == 0)
        return Wahl::Nichts;
    if (m_zahl == 1 && s == m_erste[0] && z == m_erste[1])
        return Wahl::Nichts;
    Zelle& c = m_zellen[s][z];
    c.zustand = Zustand::Gewaehlt;
    if (++m_zahl == 1) {
        m_erste = {s, z};
        m_ersteSilbe = c.text;
        return Wahl::Erste;
    }
    m_zweite = {s, z};
    m_gebaut = (m_ersteSilbe + c.text).left(kKapazitaet);
    return Wahl::Zweite;
}

bool Runde::urteile()
{
    if (m_zahl != 2)
        return false;
    m_zahl = 0;
    bool richtig = false;
    for (QString& w : m_woerter)
        if (!w.isEmpty() && gleich(w, m_gebaut)) {
            w.clear();
            richtig = true;
        }
    Zelle& a = m_zellen[m_erste[0]][m_erste[1]];
    Zelle& b = m_zellen[m_zweite[0]][m_zweite[1]];
    a.zustand = b.zustand = richtig ? Zustand::Geloest : Zustand::Frei;
    if (richtig) {
        a.nummer = b.nummer = 0;
        ++m_geloest;
    }
    return richtig;
}

}
