#pragma once
// The collecting exercises without a window: an 8 x 4 grid holding eight
// copies of the item S among 24 other items (which may repeat among
// themselves); the user collects the copies. 100 points at the start of a run,
// +30 for a copy (its cell becomes 0, so a second choice of it is wrong), -30
// for any other cell.
#include <QPoint>
#include <array>

struct Sammelgitter {
    static constexpr int kSpalten = 8;
    static constexpr int kZeilen = 4;
    static constexpr int kKopien = 8;

    std::array<int, kSpalten * kZeilen> codes{};  // row by row; 0 collected
    int muster = 0;                               // S
    QPoint probe;                                 // the copy shown as the sample: the last one placed

    // 0 for a cell outside the grid.
    int wert(QPoint z) const;
};

// A new grid of items 1 to n: the eight copies of S in distinct cells, then
// every other cell, column by column, an item other than S.
Sammelgitter baueSammelgitter(int n);

class Sammelspiel {
public:
    static constexpr int kGitter = 5;
    static constexpr float kStart = 100.0f;
    static constexpr float kSchritt = 30.0f;

    void neuerLauf();
    void neuesGitter(int n);
    void setze(const Sammelgitter& g);
    // The choice of a cell: true when it held a copy, which is now collected.
    bool waehle(QPoint z);
    // After the last copy of a grid: the next grid is due, or the run is over.
    // True while grids remain.
    bool naechstesGitter();

    const Sammelgitter& gitter() const { return m_gitter; }
    int gefunden() const { return m_gefunden; }
    bool alleGefunden() const { return m_gefunden >= Sammelgitter::kKopien; }
    int fertigeGitter() const { return m_fertig; }
    float punkte() const { return m_punkte; }

private:
    Sammelgitter m_gitter;
    int m_gefunden = 0;
    int m_fertig = 0;
    float m_punkte = kStart;
};
