#pragma once
// The board logic of "Matrix+" and "Matrix*": an addition or multiplication
// table of 5 column heads and 4 row heads; the user picks an empty inner cell
// whose heads give the target. Any cell of the target's value counts. A board
// takes 10 picks; a board with 8 or more right picks makes the steps between
// the heads of the next one larger.
#include <QChar>
#include <QPoint>
#include <array>

class Matrixbrett {
public:
    static constexpr int kSpalten = 6;  // column 0 holds the row heads
    static constexpr int kZeilen = 5;   // row 0 holds the column heads
    static constexpr int kBretter = 3;
    static constexpr int kWahlen = 10;
    static constexpr int kAufstieg = 8;  // right picks of a board for the next level

    enum class Wahl { Nichts, Richtig, Falsch };

    // zeichen: '+' or '*'
    explicit Matrixbrett(QChar zeichen) : m_zeichen(zeichen) {}

    // A new run: board 1, level 1, the first board and its first target.
    void neuerLauf();
    // Picks the inner cell (x, y); the tenth pick closes the board, any other
    // draws the next target. Nothing on heads, used cells, outside the board
    // or while the board is closed.
    Wahl waehle(int x, int y);
    // The next board and its first target; false after the last.
    bool weiter();

    QChar zeichen() const { return m_zeichen; }
    int brett() const { return m_k; }
    int stufe() const { return m_stufe; }
    bool offen() const { return m_offen; }
    int wahlen() const { return m_wahlen; }
    int richtige() const { return m_richtige; }
    int ziel() const { return m_ziel; }
    QPoint zielfeld() const { return m_zielfeld; }
    // The heads: v(x, 0) for x 1 to 5, v(0, y) for y 1 to 4; 0 elsewhere.
    int kopf(int x, int y) const { return m_kopf[index(x, y)]; }
    // What an inner cell stands for: its heads added or multiplied.
    int zellwert(int x, int y) const;
    bool benutzt(int x, int y) const { return m_benutzt[index(x, y)]; }

    static bool innen(int x, int y) { return x >= 1 && x < kSpalten && y >= 1 && y < kZeilen; }

private:
    static int index(int x, int y) { return y * kSpalten + x; }
    void neuesBrett();
    void naechstesZiel();

    QChar m_zeichen;
    std::array<int, kSpalten * kZeilen> m_kopf{};
    std::array<bool, kSpalten * kZeilen> m_benutzt{};
    int m_k = 1;
    int m_stufe = 1;
    int m_wahlen = 0;
    int m_richtige = 0;
    int m_ziel = 0;
    QPoint m_zielfeld;
    bool m_offen = false;
};
