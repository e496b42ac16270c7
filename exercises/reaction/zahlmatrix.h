#pragma once
// The matrix of "Matrix I" and "Matrix II": numbers 1 to 99 in 3 rows, picked
// in ascending order. Matrix I: 12 numbers in 4 columns, all picked. Matrix II:
// 8 even and 7 odd numbers in 5 columns, only the even ones picked.
#include <QString>
#include <vector>

class Zahlmatrix {
public:
    static constexpr int kZeilen = 3;

    Zahlmatrix(int spalten, bool nurGerade)
        : m_spalten(spalten), m_nurGerade(nurGerade), m_zahlen(spalten * kZeilen, 0)
    {
    }

    // A new matrix, its first number to pick next.
    void neu();
    // Picks cell (c, r): true when it holds the next number of the list, which
    // moves on; a number picked before is no longer next.
    bool waehle(int c, int r);

    int spalten() const { return m_spalten; }
    int zahl(int c, int r) const { return m_zahlen[c * kZeilen + r]; }
    // Two digits, below 10 with a leading "0".
    QString text(int c, int r) const;
    // The numbers to pick in ascending order: 12, or the 8 even ones.
    const std::vector<int>& liste() const { return m_liste; }
    // The index (1..) of the number to pick next; one past the list when done.
    int naechste() const { return m_naechste; }
    bool fertig() const { return m_naechste > static_cast<int>(m_liste.size()); }

private:
    bool frei(int zahl) const;

    int m_spalten;
    bool m_nurGerade;
    std::vector<int> m_zahlen;  // column by column; 0 is an empty cell
    std::vector<int> m_liste;
    int m_naechste = 1;
};
