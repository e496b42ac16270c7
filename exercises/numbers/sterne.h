#pragma once
// "Sterne": a secret number from 1 to 199 is guessed; every wrong guess is
// answered with 0 to 6 stars, the more the closer it is. Three rounds of at most
// 20 guesses; a hit gives 2300 - 100 x guesses, a miss nothing.
#include <QString>

namespace sterne {
constexpr int kRunden = 3;
constexpr int kVersuche = 20;
constexpr int kGroesste = 199;

// One star for each of distance < 100, 50, 25, 10, 5, 3.
int anzahl(int abstand);
// The memo line of a guess: the typed text padded to 5 + the stars, or for a
// hit the text + five blanks + "Treffer!".
QString zeile(const QString& getippt, int abstand);
// The points of a round hit with the n-th guess.
int trefferpunkte(int versuche);
}

class Sternespiel {
public:
    // A new run: the first round with a new secret.
    void starte();
    // The next round with a new secret.
    void neueRunde();

    struct Urteil {
        QString zeile;
        bool treffer = false;
        bool verfehlt = false;  // the 20th guess missed
    };
    // Judges a guess; zahl is the typed text as a number. Any whole number
    // counts, also outside 1 to 199.
    Urteil rate(int zahl, const QString& getippt);

    int geheim() const { return m_geheim; }
    int versuche() const { return m_versuche; }
    // The round has ended with a hit or its 20th guess.
    bool rundeVorbei() const { return m_vorbei; }
    int rundenpunkte() const { return m_rundenpunkte; }
    // Counts the ended round; true when it was the last of the run.
    bool zaehleRunde();
    int fertigeRunden() const { return m_fertig; }

private:
    int m_geheim = 0;
    int m_versuche = 0;
    int m_fertig = 0;
    int m_rundenpunkte = 0;
    bool m_vorbei = false;
};
