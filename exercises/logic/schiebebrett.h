#pragma once
// The rules of the Schieben board without a window: a 16 x 16 grid whose
// cells outside the 10 x 10 board hold 99, a second layer with the target of
// every target cell, the pusher, the placed counter and the undo of the last
// push. A level is cleared when every target holds a box of its colour.
#include <QByteArray>
#include <QPoint>
#include <array>
#include <cstdint>
#include <vector>

namespace schieben {
constexpr int kBoden = 0;
constexpr int kKiste = 0;   // + colour 1..4: boxes 1..4
constexpr int kZiel = 4;    // + colour: targets 5..8
constexpr int kWand = 9;
constexpr int kAufZiel = 14;  // + colour: a box on a target 15..18
constexpr int kRand = 99;

bool istKiste(int code);
bool istFrei(int code);  // floor or a target
int farbe(int code);     // of a box, target or box on a target; 0 else
}

class Schiebebrett {
public:
    static constexpr int kZellen = 100;

    // The 100 letters of a level, row by row; missing ones are floor.
    void lade(const QByteArray& zellen);

    // An arrow key (1 up, 2 right, 3 down, 4 left) and Space; both answer
    // the cells to draw again (the pusher's old and new place included).
    std::vector<QPoint> zug(int richtung);
    std::vector<QPoint> leertaste();

    int feld(int x, int y) const;
    // The target under (x, y), 0 where there is none.
    int ziel(int x, int y) const;
    QPoint schieber() const { return m_schieber; }
    int ziele() const { return m_ziele; }
    int platziert() const { return m_platziert; }
    bool rueckgaengig() const { return m_rueck.an; }
    bool geloest() const { return m_platziert == m_ziele; }

    // The whole state in bytes, equal for equal states.
    QByteArray schluessel() const;

private:
    static std::size_t index(QPoint p) { return std::size_t(p.y() * 16 + p.x()); }
    int code(QPoint p) const { return feld(p.x(), p.y()); }

    std::array<std::uint8_t, 256> m_feld{};
    std::array<std::uint8_t, 256> m_ziel{};
    QPoint m_schieber{1, 3};
    int m_ziele = 0;
    int m_platziert = 0;
    struct {
        bool an = false;
        QPoint schieber, von, nach;
        int codeVon = 0, codeNach = 0, platziert = 0;
    } m_rueck;
};
