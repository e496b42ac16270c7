#pragma once
// The rules of the Robbi board without a window: a 16 x 16 grid whose border
// holds 99, the robot, the tile revealed in the current try and the pair
// counter. An arrow key or Space is answered with its outcome and the steps
// the window shows one after the other (cells to draw, shots, pauses).
#include <QByteArray>
#include <QPoint>
#include <array>
#include <cstdint>
#include <vector>

namespace robbi {
constexpr int kBoden = 0;
constexpr int kWasser = 11;
constexpr int kNiedrig = 12;   // low block
constexpr int kKiste = 13;
constexpr int kHindernis = 14;
constexpr int kZiel = 15;
constexpr int kBohr = 16;      // drill block; 31..34 drilled at top, right, bottom, left
constexpr int kPfeil = 16;     // + direction: one-way arrows 17..20
constexpr int kKachel = 20;    // + colour 1..5: hidden tiles 21..25
constexpr int kWackel = 26;
constexpr int kSpiegelS = 27;  // "/"
constexpr int kSpiegelB = 29;  // "\"
constexpr int kGebohrt = 30;   // + side
constexpr int kGleiter = 40;   // + colour 1..5: sliding blocks 41..45
constexpr int kWeiss = 46;     // white sliding block, never a pair
constexpr int kSchuetze = 46;  // + direction: movable shooters 47..50
constexpr int kFest = 50;      // + direction: fixed shooters 51..54
constexpr int kRand = 99;

// Directions 1 up, 2 right, 3 down, 4 left.
QPoint schritt(int richtung);
// The code of a level letter; -1 for "R" (floor with the robot on it).
int code(char buchstabe);
}

struct Robbischritt {
    enum class Art {
        Zelle,    // draw cell (x, y) as code, its tile revealed or not
        Roboter,  // draw the robot on (x, y)
        Kreuz,    // mark the robot with a cross
        Schuss,   // the shot's disc on (x, y)
        Pause,    // show what is drawn, wait ms
    };
    Art art;
    int x = 0;
    int y = 0;
    int code = 0;
    bool offen = false;
    int ms = 0;
};

enum class Robbiausgang { Weiter, Ertrunken, Getroffen, Geschafft };

struct Robbiantwort {
    Robbiausgang ausgang = Robbiausgang::Weiter;
    std::vector<Robbischritt> schritte;
};

class Robbibrett {
public:
    static constexpr int kZellen = 196;
    static constexpr int kPauseSchuss = 150;
    static constexpr int kPausePaar = 400;

    // The 196 letters of a level, row by row; missing ones are floor.
    void lade(const QByteArray& zellen);

    // An arrow key (direction 1..4) or Space.
    Robbiantwort zug(int richtung);
    Robbiantwort leertaste();

    int feld(int x, int y) const { return m_feld[y * 16 + x]; }
    void setze(int x, int y, int code) { m_feld[y * 16 + x] = std::uint8_t(code); }
    QPoint roboter() const { return m_roboter; }
    int paare() const { return m_paare; }
    // Whether the tile on (x, y) shows its colour.
    bool offen(int x, int y) const { return m_offen && m_erstes == QPoint(x, y); }

    // Steps are not noted when false (the solver needs only the rules).
    bool protokoll = true;

    // The whole state in bytes, equal for equal states.
    QByteArray schluessel() const;

private:
    int feld(QPoint p) const { return feld(p.x(), p.y()); }
    void setze(QPoint p, int code) { setze(p.x(), p.y(), code); }
    void zeichne(QPoint p, bool offen);
    void zeichne(QPoint p) { zeichne(p, offen(p.x(), p.y())); }
    void notiere(Robbischritt s);
    void pause(int ms);
    void gehe(QPoint ziel, bool wackelWirdWasser);
    void aufdecken(QPoint p);
    void gleiten(QPoint p, int richtung);
    void schiessen(QPoint start, int richtung);
    bool stossen(QPoint p, int richtung);  // a box or movable shooter one cell on

    std::array<std::uint8_t, 256> m_feld{};
    QPoint m_roboter;
    int m_paare = 0;
    bool m_offen = false;  // a tile revealed in this try
    QPoint m_erstes;
    bool m_getroffen = false;
    std::vector<Robbischritt>* m_schritte = nullptr;
};
