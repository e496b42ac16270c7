#pragma once
// The knowledge questions of "Wissen": "Prakt. Allgemeinwissen" and its
// members "Quiz", "Zahlenfragen" and "Denksport". A run draws its questions
// from a content file without repetition and judges each typed answer at once:
// an option's digit, or a decimal number.
#include "exercises/language/fragen.h"
#include "exercises/shared/antwortfenster.h"
#include "exercises/shared/dezimalantwort.h"

#include <QColor>
#include <vector>

class QTextEdit;

// What a member of the family is: one row each.
struct Frageart {
    enum class Leser { Praxis, Quiz, Zahlen, Denksport };  // the record's parser
    enum class Filter {
        Optionen,  // "1".."5" and Esc
        Joker,     // "1".."5" ("5" the joker), no Esc
        Zahl,      // digits and "," and Esc
        Dezimal,   // one comma, a leading minus, and Esc
    };
    int programm;
    QString klasse;
    QString titel;
    QString datei;
    int satzgroesse;  // bytes per record
    int fragen;       // questions in the file, all of them drawn from (the Quiz: record pairs)
    int aufgaben;     // questions per run
    Leser leser;
    Filter filter;
    bool zahlurteil;  // judged as a decimal number, not as an option's digit
    int feldlaenge;
    int schrifthoehe;  // of the question
    QColor grund;      // of the question
    bool panel;        // a silver panel behind the question
};

class Tpra06 : public Antwortfenster {
    Q_OBJECT
public:
    explicit Tpra06(const Frageart& art);

    static const std::vector<Frageart>& mitglieder();

    QTextEdit* ausgabe;
    QTextEdit* Memo = nullptr;  // the options of the Quiz

    // The jokers spent on the current question (the Quiz).
    const fragen::Joker& joker() const { return m_joker; }

private:
    void anordnen() override;
    void vorbereiten() override;
    void naechsteAufgabe() override;
    void leereAnzeige() override;
    void pruefe() override;
    bool eingabeKeyPress(int zeichen) override;

    bool istQuiz() const { return m_art.leser == Frageart::Leser::Quiz; }
    void zeigeOptionen();
    void nimmJoker();

    const Frageart& m_art;
    Dezimalantwort m_antwort;
    std::vector<fragen::Frage> m_gezogen;  // the questions of the run, in draw order
    fragen::Frage m_frage;
    fragen::Joker m_joker;
};
