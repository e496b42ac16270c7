#pragma once
// The board logic of "Mathespiel": 18 rising numbers on 6 columns by 3 rows,
// three target cells whose sum is the target; the user picks three cells and
// the round is right when their sum is the target, whichever cells they are.
// Every fifth right round makes the steps between the numbers one larger.
#include <array>

class Mathespiel {
public:
    static constexpr int kSpalten = 6;
    static constexpr int kZeilen = 3;
    static constexpr int kRunden = 10;
    static constexpr int kWahlen = 3;
    static constexpr int kStufe = 5;  // right rounds per step

    enum class Wahl { Nichts, Gewaehlt, Abgewaehlt, Richtig, Falsch };

    // A new run: round 1, step 1, no round open yet.
    void neuerLauf();
    // Draws the numbers and the three target cells; the round is open.
    void neueRunde();
    // Picks or unpicks (x, y); the third pick closes the round with its verdict.
    // Nothing while the round is closed or outside the board.
    Wahl waehle(int x, int y);
    // The next round; false after the last.
    bool weiter();

    int runde() const { return m_k; }
    int schritt() const { return m_w; }
    bool offen() const { return m_offen; }
    int wert(int x, int y) const { return m_wert[index(x, y)]; }
    bool ziel(int x, int y) const { return m_ziel[index(x, y)]; }
    bool gewaehlt(int x, int y) const { return m_gewaehlt[index(x, y)]; }
    int zielwert() const { return m_zielwert; }
    int summe() const { return m_summe; }
    int anzahl() const { return m_anzahl; }

    static bool imBrett(int x, int y) { return x >= 0 && x < kSpalten && y >= 0 && y < kZeilen; }

private:
    static int index(int x, int y) { return y * kSpalten + x; }

    std::array<int, kSpalten * kZeilen> m_wert{};  // filled row by row
    std::array<bool, kSpalten * kZeilen> m_ziel{};
    std::array<bool, kSpalten * kZeilen> m_gewaehlt{};
    int m_zielwert = 0;
    int m_summe = 0;
    int m_anzahl = 0;
    int m_k = 1;
    int m_richtig = 0;  // right rounds since the last step
    int m_w = 1;
    bool m_offen = false;
};
