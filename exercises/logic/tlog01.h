#pragma once
// The logic text exercises of "Logik": "Log. Reihen" and its members "A zu B",
// "4 zu 1", "Sprachlogik" and "Wochentage". A task from a content file is
// shown as text, the answer is a typed number, judged on Enter.
#include "exercises/logic/logiktexte.h"
#include "exercises/shared/antwortfenster.h"

#include <vector>

class QTextEdit;

// What a member of the family is: one row each.
struct Logikart {
    enum class Leser { Reihe, AzuB, WasPasst, Sprachlogik, Wochentag };  // the record's reader
    int programm;
    QString klasse;
    QString titel;
    QString datei;
    int satzgroesse;  // bytes per record
    int saetze;       // tasks in the file (A zu B: record pairs)
    int aufgaben;     // tasks per run
    Leser leser;
    QString tasten;    // the answer keys
    int feldlaenge;
    QString memo;      // the standing text of Memo; empty: the task's own
    QString weiterText;
    int ausgabeTeil;   // tops of ausgabe, Memo and eingabe in twentieths of the height
    int memoTeil;
    int eingabeTeil;
};

class Tlog01 : public Antwortfenster {
    Q_OBJECT
public:
    explicit Tlog01(const Logikart& art);

    static const std::vector<Logikart>& mitglieder();

    QTextEdit* ausgabe;
    QTextEdit* Memo;

private:
    void anordnen() override;
    void vorbereiten() override;
    void naechsteAufgabe() override;
    void leereAnzeige() override;
    void pruefe() override;
    bool eingabeKeyPress(int zeichen) override;

    logiktext::Aufgabe liesAufgabe(int nummer) const;

    const Logikart& m_art;
    QStringList m_saetze;       // the file's records as read at Start (Sprachlogik: the 20 drawn)
    std::vector<int> m_folge;   // record numbers of the run, in draw order
    logiktext::Aufgabe m_aufgabe;
    bool m_hinweis = false;     // "4 zu 1": the hint was shown for this task
};
