#pragma once
// The syllable grids apart from the window: the word tables, the split of an
// entry into its two syllables, the 24 syllables scattered over 4 x 6 cells,
// and the picks of a first and a second syllable.
#include <QString>
#include <array>
#include <vector>

namespace silben {

constexpr int kSpalten = 4;
constexpr int kZeilen = 6;
constexpr int kWoerter = 12;
constexpr int kBloecke = 10;
constexpr int kKapazitaet = 20;  // characters of an entry, a syllable, a built word

struct Block {
    const char* thema;
    std::array<const char*, kWoerter> eintraege;  // first syllable, "#", second syllable
};
using Tabelle = std::array<Block, kBloecke>;

struct Art {
    int programm;
    const char* klasse;
    const char* titel;
    const Tabelle& bloecke;
};
const std::vector<Art>& arten();
const Art& art(int programm);

// One line of the topic list: the block right-aligned in two places, ")", a
// blank and the topic: " 1) weibliche Vornamen".
QString themenzeile(int block, const char* thema);

struct Teilung {
    QString wort;    // the entry without its "#"
    QString erste;   // before the last "#"
    QString zweite;  // after it
};
Teilung teile(const QString& eintrag);

// Equal after a to z are turned to upper case on both; umlauts stay as they are.
bool gleich(const QString& a, const QString& b);

enum class Wahl {
    Nichts,  // no syllable there, or the first pick's own cell
    Erste,   // the first syllable of a pair
    Zweite,  // the second: the pair waits for urteile
};

enum class Zustand { Frei, Gewaehlt, Geloest };

class Runde {
public:
    // Splits the block's entries and scatters their syllables: syllable i
    // (1-12) is word i's first, i + 12 its second.
    void starte(const Block& block);

    // Column 0-3, row 0-5; a place outside gives an empty cell.
    int nummer(int spalte, int zeile) const;  // 0 once solved
    QString text(int spalte, int zeile) const;  // kept after the cell is solved
    Zustand zustand(int spalte, int zeile) const;

    Wahl waehle(int spalte, int zeile);
    // Judges the waiting pair: every entry equal to the built word is emptied;
    // right if one was. Both cells are solved then, else free again.
    bool urteile();

    bool paarWartet() const { return m_zahl == 2; }
    int geloest() const { return m_geloest; }
    bool fertig() const { return m_geloest == kWoerter; }
    const QString& gebaut() const { return m_gebaut; }
    const std::array<QString, kWoerter>& woerter() const { return m_woerter; }
    // The two cells of the pair, column and row.
    int ersteSpalte() const { return m_erste[0]; }
    int ersteZeile() const { return m_erste[1]; }
    int zweiteSpalte() const { return m_zweite[0]; }
    int zweiteZeile() const { return m_zweite[1]; }

private:
    struct Zelle {
        int nummer = 0;
        QString text;
        Zustand zustand = Zustand::Frei;
    };
    static bool drin(int s, int z) { return s >= 0 && s < kSpalten && z >= 0 && z < kZeilen; }
    void verteilen();

    std::array<std::array<Zelle, kZeilen>, kSpalten> m_zellen{};
    std::array<QString, kWoerter> m_woerter;
    std::array<QString, 2 * kWoerter> m_silben;
    int m_zahl = 0;  // syllables of the pair picked so far
    std::array<int, 2> m_erste{};
    std::array<int, 2> m_zweite{};
    QString m_ersteSilbe;
    QString m_gebaut;
    int m_geloest = 0;
};

}
