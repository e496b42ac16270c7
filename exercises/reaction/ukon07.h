#pragma once
// The memory chains of "Konzentration": "Ketten I", "Ketten II", "Ketten III",
// "Schlüssel" and "Wortschlüssel". An item is shown, hidden with "weiter"
// (`leer`), and answered from memory; two answers more right than wrong make
// the item longer, two more wrong ones shorter.
#include "exercises/reaction/ketten.h"
#include "exercises/shared/antwortfenster.h"

#include <vector>

class QLabel;
class QPushButton;
class QTextEdit;

// What a member of the family is: one row each.
struct Kettenart {
    enum class Anzeige { Memo, Ausgabe };  // yellow memo in Courier New, or label in Times New Roman 64
    enum class Zeichen { EinsBisFuenf, Ziffern, Buchstaben };  // what the answer field takes
    enum class Fehler {
        MitLoesung,    // "FEHLER! Lösung: " + the solution
        KetteNochmal,  // "FEHLER!", and the chain is shown again
        Loesung,       // the solution alone
    };
    // A fraction of the window's width or height.
    struct Bruch {
        int z, n;
        int von(int x) const { return x * z / n; }
    };
    struct Lage {
        Bruch start, anzeigeOben, anzeigeHoehe, anzeigeBreite, eingabe, leer, rifa;
        bool weiterBeiFuenfSechsteln;  // weiter's left at 5W/6, else at (W - its width) * 5/6
    };

    int programm;
    QString klasse;
    QString titel;
    Anzeige anzeige;
    int schrifthoehe;  // of the display
    Zeichen zeichen;
    int laenge;        // of the answer field
    bool escImFeld;    // Esc reaches the field (it closes the window either way)
    bool zahl;         // the answer is compared as a number
    Fehler fehler;
    int startlaenge;   // L at the start of a run
    int mindestlaenge;
    ketten::Aufgabe (*aufgabe)(int laenge, ketten::Wortvorrat& vorrat);
    bool woerter;      // reads the first 150 words of the word list at the start
    Lage lage;
};

class Tkon07 : public Antwortfenster {
    Q_OBJECT
public:
    explicit Tkon07(const Kettenart& art);

    static const std::vector<Kettenart>& mitglieder();

    QTextEdit* memo = nullptr;
    QLabel* ausgabe = nullptr;
    QPushButton* leer;

    // Read by tests.
    const ketten::Stufe& stufe() const { return m_stufe; }
    float punkte() const { return m_lauf.punkte; }

private:
    void anordnen() override;
    void vorbereiten() override;
    void naechsteAufgabe() override;
    void aufgabeGezeigt() override;
    void leereAnzeige() override;
    void pruefe() override;
    bool eingabeKeyPress(int zeichen) override;
    void FormClose() override;
    void leerClick();
    void zeige(const QString& text);

    const Kettenart& m_art;
    ketten::Stufe m_stufe;
    ketten::Wortvorrat m_vorrat;  // its used marks last as long as the window, the program run
    ketten::Aufgabe m_aufgabe;
};
