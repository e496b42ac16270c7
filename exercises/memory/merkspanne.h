#pragma once
// Number and word span: a list of K items, then a board of 12 that holds them,
// from which the user picks the K items from memory. The round, its items and
// the rule by which K grows, without a window.
#include "exercises/shared/wortliste.h"

#include <QString>
#include <array>
#include <vector>

namespace merkspanne {

constexpr int kSpalten = 2;
constexpr int kZeilen = 6;
constexpr int kZellen = kSpalten * kZeilen;
constexpr int kRunden = 10;
constexpr int kStartK = 2;
constexpr int kMaxK = kZeilen;  // the list is shown down the left column
constexpr float kProTreffer = 50.0f;
inline const QString kLeertaste = QStringLiteral("LEERTASTE");

// Cells are numbered column x 6 + row (0..11): column 1 top down, then column 2.
constexpr int zelle(int spalte, int zeile) { return spalte * kZeilen + zeile; }

// 12 distinct numbers 10..99 as decimal text, in board order.
std::vector<QString> zahlen();
// 12 distinct words of at most 7 characters, drawn from the word list read at Start.
std::vector<QString> woerter(const std::vector<TBegriff>& liste);

// One round: the board, the list drawn from it, and the user's picks.
class Runde {
public:
    enum class Wahl { Nichts, Gewaehlt, Abgewaehlt, Beurteilt };

    Runde() = default;
    // Takes the 12 items and draws k different cells for the list.
    Runde(std::vector<QString> elemente, int k);

    int k() const { return static_cast<int>(m_liste.size()); }
    const QString& element(int z) const { return m_elemente.at(z); }
    // Slot 1..12 of the list as shown before the board: the list's items in
    // the order drawn, "LEERTASTE" in slot 12, empty otherwise.
    QString listenplatz(int platz) const;
    // The list's cells in the order drawn.
    const std::vector<int>& liste() const { return m_liste; }
    bool inListe(int z) const { return m_inListe.at(z); }
    bool gewaehlt(int z) const { return m_gewaehlt.at(z); }
    int gewaehltZahl() const { return m_gewaehltZahl; }

    // A pick or unpick of cell z; the K-th pick judges the round, after which
    // the round takes no more picks.
    Wahl waehle(int z);
    bool beurteilt() const { return m_beurteilt; }
    int treffer() const;

private:
    std::vector<QString> m_elemente;
    std::vector<int> m_liste;
    std::array<bool, kZellen> m_inListe{};
    std::array<bool, kZellen> m_gewaehlt{};
    int m_gewaehltZahl = 0;
    bool m_beurteilt = false;
};

// K over a run: 2 at first, one more after every second perfect round (in a
// row or not). Imperfect rounds change nothing, so K never falls.
class Spanne {
public:
    int k() const { return m_k; }
    void werte(int treffer);

private:
    int m_k = kStartK;
    int m_serie = 0;
};

// The end of a run: minus the elapsed seconds, at least 2, then whole points
// + 0.0005 in single precision.
float endpunkte(float punkte, double sekunden);

}
