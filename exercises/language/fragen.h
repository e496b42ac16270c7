#pragma once
// The knowledge questions: the records of the four question files read into
// one form, the jokers of the Quiz, and the verdict texts.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace fragen {

struct Frage {
    QString text;
    QStringList optionen;  // the numbered answers; empty for a number question
    int richtig = 0;       // the right option, from 1
    QString loesungText;   // a number question's solution, as stored
    float loesung = 0.0f;
};

// A record of "prakall.dat": "Frage#A1#A2#A3#A4#A5#N" and trailing blanks.
// None unless it has exactly six "#", the last one right before the digit N
// 1 to 5, and a question before the first.
std::optional<Frage> praxis(const QString& satz);
// A pair of "vmquiz.dat": the question in characters 1-90 and the right
// option in 91-100 of the first record, four options of 25 characters in the
// second. None unless the right option is 1 to 4.
std::optional<Frage> quiz(const QString& frage, const QString& optionen);
// A record of "zahlen.dat": the solution in characters 1-4, the question after
// it. None when the solution is no number.
std::optional<Frage> zahlen(const QString& satz);
// A text task of "vmdenksp.dat" (capacity 160). None when the solution is no number.
std::optional<Frage> denksport(const QString& satz);

// The options as lines: the digit, ")", trenner, the answer.
QStringList zeilen(const Frage& f, const QString& trenner);

// "FEHLER! Lösung:" directly followed by the right option's digit.
QString fehlerZiffer(int richtig);
// "FEHLER! Lösung: " followed by the solution as stored.
QString fehlerText(const QString& loesungText);

// The jokers spent on one Quiz question; each takes away one wrong option.
class Joker {
public:
    explicit Joker(int richtig = 1);
    int benutzt() const { return m_benutzt; }
    // "x" at the right option and at every option taken away: "x---", "-xx-".
    QString marken() const { return m_marken; }
    // Takes away a wrong option not taken away yet, drawn by ziehe (1 to 4),
    // and returns its number; 0 once two jokers are spent.
    int setze(const std::function<int()>& ziehe);
    // What a right answer earns: 100, less 25 per joker.
    float gewinn() const { return 100.0f - 25.0f * m_benutzt; }

private:
    int m_benutzt = 0;
    QString m_marken;
};

}
