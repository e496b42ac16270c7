#pragma once
// The decimal answer of the text tasks, the number chains and the number
// questions: a task record with its solution as decimal text, the filter for
// the typed characters (one comma, a minus only as the first character), the
// conversion with a decimal comma and the exact check in single precision.
#include <QString>
#include <functional>

class QKeyEvent;
class QLineEdit;

namespace dezimal {

// The character a key press types, as the answer filters see it: 8 Backspace,
// 13 Enter, 27 Esc, a control character (below 32) for Ctrl combinations, the
// typed character otherwise; 0 for keys that type nothing (arrows, Delete, Shift).
int zeichen(const QKeyEvent* e);

// Hooks an answer field to its window: every typed character (as zeichen gives
// it) goes to durchlassen, which says whether the field takes it; the release of
// a key, not repeated, goes to los with its key code.
void verbindeFeld(QLineEdit* feld, std::function<bool(int)> durchlassen, std::function<void(int)> los);

// The value of an answer or solution text: an optional minus, digits, optionally
// a comma and further digits, where the digits on either side of the comma may
// be missing ("," is 0, "5," is 5, "-,5" is -0.5). streng: a text without any
// digit is no number. Anything else throws "'%s' ist kein gültiger Gleitkommawert".
double wert(const QString& text, bool streng = false);
// The same value rounded to single precision, as answers are compared.
float einfach(const QString& text, bool streng = false);

enum class Urteil {
    Nichts,   // empty, a lone "-" or too long: nothing happens
    Format,   // two or more commas: "ungültiges Format!"
    Richtig,
    Falsch,
};

// The check on Enter of a text against the solution value: a lone "-" counts
// as empty; 1 to 99 characters are judged; two or more commas are a format
// error; otherwise the value in single precision must equal the solution
// exactly (7,5 and 7,50 both equal 7,5). Throws the conversion error for a text
// that is no decimal number.
Urteil pruefe(const QString& text, float loesung, bool streng = false);

}

// The filter and check of one answer field.
class Dezimalantwort {
public:
    explicit Dezimalantwort(QLineEdit* feld) : m_feld(feld) {}

    // A new task: no comma typed yet.
    void neueAufgabe() { m_komma = false; }
    bool komma() const { return m_komma; }

    // A typed character (dezimal::zeichen); true lets it into the field.
    bool tastendruck(int zeichen);

    // Enter: judges the field's text. On a format error the message box
    // "ungültiges Format!" is shown, the field emptied and the comma flag
    // cleared; the task stays open.
    dezimal::Urteil enter(float loesung, bool streng = false);

private:
    QLineEdit* m_feld;
    bool m_komma = false;
};

// A task record of the text-task files: the question in characters 1 to Q
// (Q = capacity - 5, padded with blanks) and the solution as decimal text from
// character Q + 1 to the record's length.
struct TTextaufgabe {
    QString frage;        // trailing blanks removed
    QString loesungText;  // exactly as stored

    static TTextaufgabe aus(const QString& satz, int kapazitaet);
};
