#pragma once
// The board of "Schlange I" and "Schlange II": a walled field of 17 x 11 free
// cells with 26 numbered targets; the marker steps by the arrows and must reach
// the targets in their order. Stepping onto a later target ends the run.
#include <array>

class Schlangenbrett {
public:
    static constexpr int kSpalten = 19;  // columns 0 and 18 are wall
    static constexpr int kZeilen = 13;   // rows 0 and 12 are wall
    static constexpr int kWand = 99;
    static constexpr int kZiele = 26;
    static constexpr int kStartX = 10;   // no target in the marker's start column
    static constexpr int kStartY = 10;

    enum class Schritt {
        Wand,       // the marker stays
        Frei,       // a free cell or a reached target's
        Ziel,       // the next target: reached
        Geschafft,  // the 26th target
        Fehler,     // a target out of turn: the run ends
    };

    // A new board: walls, the marker at its start, targets 1 to 26 drawn at
    // random on free cells outside the start column.
    void neu();
    // One step by (dx, dy); nothing moves into a wall or after the run ended.
    Schritt schritt(int dx, int dy);

    // 0 free, 1 to 26 a target, 99 wall; cells outside count as wall.
    int feld(int x, int y) const;
    int x() const { return m_x; }
    int y() const { return m_y; }
    int naechstes() const { return m_naechstes; }  // 27 after the last
    int erreicht() const { return m_erreicht; }
    bool vorbei() const { return m_vorbei; }

private:
    std::array<std::array<int, kZeilen>, kSpalten> m_feld{};
    int m_x = kStartX;
    int m_y = kStartY;
    int m_naechstes = 1;
    int m_erreicht = 0;
    bool m_vorbei = false;
};
