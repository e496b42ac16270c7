#pragma once
// "Alphamix" without a window: the letters A to Z (1 to 26) scattered over an
// 8 x 4 grid, six cells empty; the user chooses them in alphabetical order.
// 100 points at the start, +30 for the next letter, -30 for any other cell
// (empty, a later letter, or one found already).
#include <QPoint>
#include <QString>
#include <array>

class Alphamix {
public:
    static constexpr int kSpalten = 8;
    static constexpr int kZeilen = 4;
    static constexpr int kBuchstaben = 26;
    static constexpr float kStart = 100.0f;
    static constexpr float kSchritt = 30.0f;

    // A new grid: the letters 1 to 26 in turn, each into a cell drawn among the
    // empty ones; nothing found, 100 points.
    void neuesSpiel();

    // 0 empty (or outside the grid), 1 to 26 the letters A to Z.
    int wert(QPoint z) const;
    // The choice of a cell; true when it held the next letter.
    bool waehle(QPoint z);

    int gefunden() const { return m_gefunden; }
    const QString& folge() const { return m_folge; }
    float punkte() const { return m_punkte; }
    bool fertig() const { return m_gefunden >= kBuchstaben; }
    // For tests: the grid row by row, '.' for an empty cell ("AB..." 32 characters).
    void setze(const QString& zeilen);

private:
    std::array<int, kSpalten * kZeilen> m_gitter{};  // row by row
    int m_gefunden = 0;
    QString m_folge;
    float m_punkte = kStart;
};
