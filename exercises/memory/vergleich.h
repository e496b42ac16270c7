#pragma once
// "Vergleiche" without a window: the left half of an 8 x 4 grid holds symbols,
// each repeated at the same place four columns to the right; in a task of kind
// 0 exactly one cell, in either half, differs from its partner. The user
// answers plus (equal) or minus (one cell differs). 30 tasks; +30 for a right
// answer and one symbol more per half after every third right answer; a wrong
// one costs nothing. The symbols per half are the training state's levelnr.
#include <QPoint>
#include <QString>
#include <array>
#include <optional>

inline const QString kVergleichsSymbole = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ123456789#:<>!§$%&=?~+*");

struct Vergleichsaufgabe {
    static constexpr int kSpalten = 8;
    static constexpr int kZeilen = 4;
    static constexpr int kHalbe = 4;

    std::array<int, kSpalten * kZeilen> codes{};  // row by row; 0 empty, v the v-th symbol
    int art = 1;                                  // 1 halves equal, 0 one cell differs

    int wert(QPoint z) const;
};

// A new task with that many symbols per half (at most the 16 cells of a half).
Vergleichsaufgabe baueVergleich(int symbole);

namespace vergleich {
// The answer of a key: true for plus (107 on the pad, 187 on the main
// keyboard), false for minus (109, 189), none for any other key.
std::optional<bool> antwort(int taste);
}

class Vergleichsspiel {
public:
    static constexpr int kAufgaben = 30;
    static constexpr int kStartSymbole = 3;
    static constexpr float kStart = 100.0f;
    static constexpr float kRichtig = 30.0f;

    // When the window is shown: 3 symbols, no right answers counted.
    void zeigen();
    // Start of a run: 100 points, the first task.
    void neuerLauf();
    // The next task; the task is open.
    void neueAufgabe();
    void setze(const Vergleichsaufgabe& a);
    // Judges the open task once and closes it: true right, false wrong;
    // none while no task is open.
    std::optional<bool> antworte(bool gleich);
    // weiter: true while tasks remain (the index moves on), false after the 30th.
    bool weiterAufgabe();

    const Vergleichsaufgabe& aufgabe() const { return m_aufgabe; }
    int index() const { return m_index; }
    bool offen() const { return m_offen; }
    float punkte() const { return m_punkte; }
    int zumSchritt() const { return m_zumSchritt; }

private:
    Vergleichsaufgabe m_aufgabe;
    int m_index = 0;
    int m_zumSchritt = 0;
    bool m_offen = false;
    float m_punkte = kStart;
};
