#pragma once
// The records of the logic text exercises, read into what a task shows and
// its answer. Plain functions, so the content tests read the files as the
// windows do.
#include <QString>
#include <QStringList>

namespace logiktext {

struct Aufgabe {
    QString frage;      // the standing question or the task text (Memo); empty: the window's own
    QString anzeige;    // the series, the options or the question (ausgabe)
    QString hinweis;    // "4 zu 1": shown on "+"
    int loesung = 0;    // the number to type
    QString loesungText;  // shown after "FEHLER! Lösung: "; empty: "FEHLER!" alone
};

// "logikwin.dat": the series, then the answer in the last two characters.
Aufgabe reihe(const QString& satz);
// "azubwin.dat": the task text and the record of five options and the digit.
Aufgabe aZuB(const QString& text, const QString& optionen);
// "waspawin.dat": five words, the hint and the digit of the odd word.
Aufgabe wasPasst(const QString& satz);
// "splogwin.dat": the question in characters 1..100, the options text after it.
Aufgabe sprachlogik(const QString& satz);
// "jwochwin.dat": the question and the weekday's digit at the end.
Aufgabe wochentag(const QString& satz);

// "1)  Hund" and so on, one line per option.
QString optionszeilen(const QStringList& optionen);
// "Montag" .. "Sonntag" for 1..7.
QString wochentagName(int tag);

}
