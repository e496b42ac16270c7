#pragma once
// The rules of "Wörter angeln": ten clues drawn from "angelwin.dat", their
// five-letter answers hidden in a pond of 12 x 5 letters, one letter per row.
// The user picks a clue by its number, then types its answer; helps show the
// first letters of every answer. No window here: the window only draws.
#include <QString>

#include <array>

class Angelspiel {
public:
    static constexpr int kAufgaben = 10;
    static constexpr int kSaetze = 160;
    static constexpr int kSatzgroesse = 41;
    static constexpr int kSpalten = 12;
    static constexpr int kZeilen = 5;  // = the letters of an answer
    static constexpr int kHilfen = 3;
    static constexpr float kKosten = 30.0f;  // a wrong answer, a help

    struct Aufgabe {
        QString hinweis;  // characters 1-35 without trailing blanks, a-z in capitals
        QString antwort;  // characters 36-40, a-z in capitals
        static Aufgabe aus(const QString& satz);
    };
    using Aufgaben = std::array<Aufgabe, kAufgaben>;

    // Ten different records of the file. Throws EAFehler 2 for a missing file,
    // 100 for one of fewer than 160 records, before anything is drawn.
    static Aufgaben ziehe();

    // A new game on these clues: the pond is laid, nothing solved, no help, 100 points.
    void neu(const Aufgaben& aufgaben);

    enum class Modus { Nummer, Loesung };
    Modus modus() const { return m_modus; }
    int aktuell() const { return m_aktuell; }

    // A clue number chosen while a number is asked: false if it is solved
    // already (then a number is asked again), else its answer is asked.
    bool waehle(int n);

    // The cells a right answer marked: column of each row, -1 where none held the letter.
    using Zellen = std::array<int, kZeilen>;
    // The answer typed for the current clue (a-z count as capitals). Right:
    // +100, each letter marks the leftmost unmarked cell of its row holding it.
    // Wrong: -30. Either way a number is asked next.
    bool antworte(const QString& text, Zellen* markiert = nullptr);

    // One more help while fewer than three were given (-30); false otherwise, free.
    bool hilfe();

    const Aufgabe& aufgabe(int i) const { return m_aufgaben[i]; }
    bool geloest(int i) const { return m_geloest[i]; }
    int geloeste() const { return m_geloeste; }
    bool fertig() const { return m_geloeste == kAufgaben; }
    int hilfen() const { return m_hilfen; }
    float punkte() const { return m_punkte; }
    // The letter of a cell; a blank once a right answer has marked it.
    QChar zelle(int spalte, int zeile) const { return m_teich[spalte][zeile]; }
    bool markiert(int spalte, int zeile) const { return zelle(spalte, zeile) == QLatin1Char(' '); }

private:
    int freieSpalte(int zeile) const;

    Aufgaben m_aufgaben;
    std::array<std::array<QChar, kZeilen>, kSpalten> m_teich{};  // column-major
    std::array<bool, kAufgaben> m_geloest{};
    int m_geloeste = 0;
    int m_hilfen = 0;
    int m_aktuell = 0;
    Modus m_modus = Modus::Nummer;
    float m_punkte = 0.0f;
};
