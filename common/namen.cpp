#include "common/namen.h"

#include <array>

namespace {

using Zeile = std::array<const char*, 12>;

// Lookups go by row and column only: names repeat across rows ("Tippen", "Zahlen").
constexpr std::array<Zeile, 13> kKurznamen = {{
    {"Verwaltung", "Zahlen", "Mathematik", "Wörter I", "Wörter II", "Reaktion", "Konzentrat.",
     "Gedächtnis", "Logik", "Wahrnehm.", "Wissen", "Ende"},
    {"N. anzeigen", "N. eintragen", "N. wählen", "akt. Ergebn.", "Daten", "Highscore", "Infos",
     "Plan aufrufen", "Plan-Editor", "N. löschen", "Überblick", "zurück"},
    {"Tippen", "Zählen", "Zahlwort", "Grundre. I", "Grundre. II", "Symbolrech.", "Mathespiel",
     "M-Zuord. I", "M-Zuord. II", "Sterne", "Summen", "zurück"},
    {"Ketten", "Rechenmix", "Textauf. I", "Textauf. II", "Zahlenrätsel", "Zweisatz", "Dreisatz",
     "Brüche", "Geometrie", "Matrix+", "Matrix*", "zurück"},
    {"Tippen", "Lesen", "Ergänzen", "Worthöhle", "Sortieren", "Vokale fe.", "Anagramme",
     "D-Zuord. I", "D-Zuord. II", "Zu. Gegent.", "Zu. Synon.", "zurück"},
    {"Auswahl", "Satzbau", "Reihenfolge", "Farben", "W. angeln", "Galgenmann", "Satzende",
     "Wortschatz", "Sätze erg.", "Wortfamilien", "Satzhälften", "zurück"},
    {"Tetris", "Tatris", "Tastaturspiel", "Mausspiel", "Ziffernsumme", "Schlange I", "Schlange II",
     "Reaktion I", "Reaktion II", "Matrix I", "Matrix II", "zurück"},
    {"Doppelbuch", "Ziff in Buch", "Unterschiede", "Ketten I", "Ketten II", "Ketten III",
     "Ziffer fehlt", "Schlüssel", "Buchsort", "Ziffsort", "Wortschlüssel", "zurück"},
    {"MiniMemo I", "MiniMemo II", "Zahlmerk", "Wortmerk", "Städte", "Alter", "Zahlentest", "Repro",
     "Memory I", "Memory II", "Wortmuster", "zurück"},
    {"LOGREIH", "A zu B", "4 zu 1", "Sprachlogik", "Planen", "Zahlen raten", "Wochentage",
     "Rennen", "Schieben", "Springen", "Robbi", "zurück"},
    {"FARFO I", "Fig. legen", "Alphamix", "Sammeln I", "Sammeln II", "Sammeln III", "Vergleiche",
     "FARFO II", "Alphakett", "Musterband", "Rangieren", "zurück"},
    {"PRAKALL", "Fremdwörter", "Erdkunde", "Sachkunde", "Zahlen", "Punktequiz", "Denksport",
     "Silben-S", "Silben-E", "Silben-B", "Quiz", "zurück"},
    {"offen", "offen", "offen", "offen", "offen", "offen", "offen", "offen", "offen", "offen",
     "offen", "zurück"},
}};

struct Tabellen {
    QString kurz[13][12];
    QString programm[132];
    QString leer;

    Tabellen()
    {
        for (int z = 0; z < 13; ++z)
            for (int s = 0; s < 12; ++s)
                kurz[z][s] = QString::fromUtf8(kKurznamen[z][s]);
        for (int k = 1; k <= 110; ++k)
            programm[k] = kurz[2 + (k - 1) / 11][(k - 1) % 11];
    }
};

const Tabellen& tabellen()
{
    static const Tabellen t;
    return t;
}

}

const QString& kurznamen(int zeile, int spalte)
{
    if (zeile < 0 || zeile > 12 || spalte < 0 || spalte > 11)
        return tabellen().leer;
    return tabellen().kurz[zeile][spalte];
}

const QString& programmnamen(int k)
{
    if (k < 1 || k > 131)
        return tabellen().leer;
    return tabellen().programm[k];
}
