#pragma once
// The pairs game without a window: a board of spalten x zeilen cells that holds
// every card value 1..P in exactly two cells, the turn rules (mouse and Enter
// alike) and the score: 100 at the start, -5 for every card turned, +200 for
// every pair, which is then taken off the board.
#include <QPoint>
#include <vector>

class Paarspiel {
public:
    static constexpr float kStart = 100.0f;
    static constexpr float kKarte = 5.0f;
    static constexpr float kPaar = 200.0f;

    enum class Zug {
        Nichts,  // no card in play there, two up already, or the first card again
        Erste,   // the first card of the turn is up
        Zweite,  // the second is up: show both, then vergleiche
    };

    Paarspiel(int spalten, int zeilen, int paare);

    // A new game: for v = 1..P, v goes twice into a cell drawn among the empty
    // ones (zufall::R over them, row by row), so the fill always ends; nothing
    // turned, no pair found, 100 points.
    void neuesSpiel();

    // The card in a cell: 1..P in play, 0 taken (or outside the board).
    int wert(QPoint z) const;
    Zug drehe(QPoint z);
    // With two cards up: an equal pair is taken (both cells 0, +200); either
    // way no card is up afterwards. True for a pair.
    bool vergleiche();

    int umgedreht() const { return m_umgedreht; }
    QPoint erste() const { return m_erste; }
    QPoint zweite() const { return m_zweite; }
    int gefunden() const { return m_gefunden; }
    int paare() const { return m_paare; }
    bool fertig() const { return m_gefunden >= m_paare; }
    float punkte() const { return m_punkte; }

private:
    int& zelle(QPoint z) { return m_brett[z.y() * m_spalten + z.x()]; }
    bool aufBrett(QPoint z) const;

    int m_spalten;
    int m_zeilen;
    int m_paare;
    std::vector<int> m_brett;  // row by row
    int m_umgedreht = 0;
    QPoint m_erste;
    QPoint m_zweite;
    int m_gefunden = 0;
    float m_punkte = kStart;
};
