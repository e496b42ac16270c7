#pragma once
// The seven typed word exercises: one window (Twor02) and this table of what
// its members do differently.
#include "exercises/language/wortaufgaben.h"
#include "exercises/shared/buchstabenfilter.h"

#include <QColor>
#include <QString>
#include <QStringList>

// A share of a length: wert * zaehler / nenner (integer division).
struct Anteil {
    int zaehler;
    int nenner;
    int von(int wert) const { return wert * zaehler / nenner; }
};

enum class Fehleranzeige {
    Nichts,
    MemoWort,     // the lower box shows the word
    AusgabeRot,   // the upper box shows the word in red
    MemoImmer,    // the lower box shows the word after every answer ("Lesen")
};

struct Kasten {
    QColor farbe;
    int schrift;     // Arial, pixels
    Anteil breite;   // of the window's width
    int pixel = 0;   // a fixed width instead, when not 0
    Anteil oben;     // of the client height
};

struct Wortmitglied {
    int programm;
    QString klasse;   // object name of the window
    QString titel;
    // The table read at the start of a run: records or entries.
    QStringList (*lade)();
    // Which entries may be drawn at all (nullptr: every one).
    bool (*ziehbar)(const QString& eintrag);
    // The task of entry i of the table.
    Wortaufgabe (*mache)(const QStringList& tabelle, int i);
    wortaufgaben::Zeichenfilter filter;
    int feldlaenge;   // characters the answer field holds
    int hoechstens;   // the longest answer that is judged
    Fehleranzeige fehler;
    Kasten ausgabe;
    bool mitMemo;
    Kasten memo;
    Anteil eingabeOben;
    Anteil eingabeBreite;
    QString weiterText;
    bool buchstabenweise = false;  // "Lesen": the letters appear one by one
    bool lueckenweise = false;     // "Ergänzen": the window takes the letters gap by gap
    bool silberrahmen = false;     // "Auswahl": a silver rectangle behind the boxes
};

// The members, by program number: 37, 38, 39, 40, 42, 43, 49.
const Wortmitglied& wortmitglied(int programm);
const std::vector<int>& wortprogramme();
