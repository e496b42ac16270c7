#pragma once
// The typed word tasks apart from the window: building a task from a record,
// the judging, the scrambling of
// "Anagramme" and the gap filling of "Ergänzen".
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct Wortaufgabe {
    QString ausgabe;  // the upper box when the task is shown
    QString memo;     // the lower box
    QString loesung;  // compared with the answer in upper case
    QString wort;     // what is shown after a wrong answer
    QString hinweis;  // "Ergänzen": shown on "+"
};

namespace wortaufgaben {

// The answer is right when both are equal in upper case (a to z only).
bool gleich(const QString& antwort, const QString& loesung);
// Characters von..bis (counting from 1) of a record, trailing blanks dropped.
QString feld(const QString& satz, int von, int bis);

// The word in upper case without "A", "E", "I", "O" and "U".
QString ohneVokale(const QString& wort);
// The word scrambled by rounds of five moves until it differs from the word
// (a word of one repeated character cannot differ and comes back unchanged).
QString verwuerfle(const QString& wort);

// Tasks of the members, from one entry of their table.
Wortaufgabe tippaufgabe(const QString& begriff);      // "Tippen", "Lesen"
Wortaufgabe vokalaufgabe(const QString& satz);        // "Vokale fehlen", from "bucherg.dat"
Wortaufgabe anagrammaufgabe(const QString& satz);     // "Anagramme", from "bucherg.dat"
Wortaufgabe ergaenzaufgabe(const QString& satz);      // "Ergänzen", from "bucherg.dat"
Wortaufgabe auswahlaufgabe(const QString& satz);      // "Auswahl", from "wahlwin.dat"
Wortaufgabe hoehlenaufgabe(const QString& kategorie, const QString& eintrag);  // "Worthöhle"

// The word being filled gap by gap in "Ergänzen".
class Lueckenwort {
public:
    Lueckenwort(const QString& maske, const QString& wort);
    const QString& text() const { return m_text; }
    int luecken() const { return static_cast<int>(m_luecken.size()); }
    int gefuellt() const { return m_naechste; }
    bool fertig() const { return m_naechste >= luecken(); }
    // Puts the (upper case) letter into the next gap: as typed where the word
    // holds a capital, else as its small letter.
    void tippe(QChar c);
    // Takes back every letter typed for this word.
    void zuruecknehmen();
    bool richtig() const { return gleich(m_text, m_wort); }

private:
    QString m_maske, m_wort, m_text;
    std::vector<int> m_luecken;
    int m_naechste = 0;
};

}
