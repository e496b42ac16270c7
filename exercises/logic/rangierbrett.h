#pragma once
// The rules of the Rangieren board without a window: a 13 x 13 grid whose
// cells outside the inner 10 x 10 hold 88, the robot with its heading and its
// loads, the energy, the balls, the barrier and the drill marks. A command is
// answered with its outcome and the steps the window shows one after the
// other (cells to draw, the shot's discs and pauses).
#include <QByteArray>
#include <QPoint>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace rangier {
constexpr int kBoden = 0;
constexpr int kWasser = 11;
constexpr int kBall = 12;
constexpr int kKiste = 13;
constexpr int kHindernis = 14;
constexpr int kZiel = 15;
constexpr int kBohr = 16;
constexpr int kPfeil = 16;   // + direction: one-way arrows 17..20
constexpr int kPaket = 21;
constexpr int kAblage = 22;
constexpr int kSperre = 23;
constexpr int kInsel = 24;   // platform
constexpr int kAbgelegt = 25;  // a parcel on a drop field
constexpr int kWackel = 26;
constexpr int kRand = 88;
constexpr int kEnergie = 999;

// Commands as the window numbers them.
enum Befehl { Vorne = 1, Hinten, Rechts, Links, Nehmen, Legen, Schiessen, Bohren };

// Directions 1 up, 2 right, 3 down, 4 left.
QPoint schritt(int richtung);
// The code of a level letter; -1 for "R" (floor with the robot on it).
int code(char buchstabe);
}

struct Rangierschritt {
    enum class Art {
        Zelle,   // draw cell (x, y) as code, the robot and its box over it
        Schuss,  // the shot's disc on (x, y)
        Pause,    // show what is drawn, wait ms
    };
    Art art;
    int x = 0;
    int y = 0;
    int code = 0;
    int ms = 0;
};

struct Rangierantwort {
    QString absage;  // the refusal text, shown with a beep; empty when done
    std::vector<Rangierschritt> schritte;
};

class Rangierbrett {
public:
    static constexpr int kZellen = 100;
    static constexpr int kPauseSchuss = 100;
    static constexpr int kSeite = 13;
    enum Fehler { KeinFehler = 0, Ertrunken = 12, Querschlaeger = 13 };

    // The 100 letters of a level, row by row; missing ones are floor.
    void lade(const QByteArray& zellen);

    // One command 1..8 with its energy; the outcome is read afterwards.
    Rangierantwort befehl(int befehl);

    int feld(int x, int y) const { return inGitter(x, y) ? m_feld[y * kSeite + x] : rangier::kRand; }
    QPoint roboter() const { return m_roboter; }
    int richtung() const { return m_richtung; }
    bool paket() const { return m_paket; }
    bool kiste() const { return m_kiste; }
    QPoint kistenort() const { return m_roboter + rangier::schritt(m_richtung); }
    int energie() const { return m_energie; }
    int baelle() const { return m_baelle; }
    int gelegt() const { return m_gelegt; }
    QPoint sperre() const { return m_sperre; }
    int fehler() const { return m_fehler; }
    bool ziel() const { return m_ziel; }
    // The drill marks of (x, y): bit s - 1 for side s.
    int marken(int x, int y) const { return inGitter(x, y) ? m_marken[y * kSeite + x] : 0; }

    // Steps are not noted when false (the solver needs only the rules).
    bool protokoll = true;

    // Everything but the energy in bytes, equal for equal states.
    QByteArray schluessel() const;

private:
    static bool inGitter(int x, int y) { return x >= 0 && y >= 0 && x < kSeite && y < kSeite; }
    int feld(QPoint p) const { return feld(p.x(), p.y()); }
    void setze(QPoint p, int code);
    void zeichne(QPoint p);
    void notiere(Rangierschritt s);
    void absage(const QString& text);
    int lastkosten() const;  // the parcel's and the box's share of a step or turn

    void vorne();
    void hinten();
    void drehe(int neu);
    void nehmen();
    void legen();
    void schuss();
    void bohren();
    void zielpack(QPoint p);
    void gehe(QPoint ziel, int richtung);

    std::array<std::uint8_t, kSeite * kSeite> m_feld{};
    std::array<std::uint8_t, kSeite * kSeite> m_marken{};
    QPoint m_roboter;
    int m_richtung = 1;
    bool m_paket = false;
    bool m_kiste = false;
    int m_energie = rangier::kEnergie;
    int m_baelle = 0;
    QPoint m_sperre;
    bool m_hatSperre = false;
    int m_gelegt = 0;
    int m_fehler = KeinFehler;
    bool m_ziel = false;
    Rangierantwort* m_antwort = nullptr;
};
