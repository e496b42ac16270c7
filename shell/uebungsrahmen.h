#pragma once
// The frame every exercise shares: a run starts with 100 points, gains 100 per
// right answer, loses the elapsed seconds at the end, keeps at least 2 points and
// is cut to two decimals; then the message, the result entry, the highscore entry,
// and the window closes.
#include <QString>

class QWidget;

// The order at the end of a run. Meldefenster: meldung, the message window, then
// result and highscore entry. EintragZuerst: result and highscore entry, then
// meldung and the message window. Meldebox: the text in a plain message box,
// meldung left as it was, then result and highscore entry.
enum class Endfolge { Meldefenster, EintragZuerst, Meldebox };

class Uebungslauf {
public:
    // Start of a run: aufgabenzahl, 100 points, the clock starts.
    void starte(int aufgaben);
    bool laeuft() const { return m_laeuft; }
    // Seconds since the start, from a monotonic clock: a run over midnight
    // scores like any other.
    double sekunden() const;
    // The score of the common scoring at this moment.
    float abschluss() const;

    // Ends the run, at most once: meldung (the given text, or "Sie haben N Punkte
    // erreicht!"), the message window, result and highscore entry, the window closes.
    void beende(QWidget* fenster, int programmnummer, float endpunkte, const QString& text = {},
                Endfolge folge = Endfolge::Meldefenster);
    // Ends the run without recording anything (Esc, closing the window).
    void abbrechen() { m_laeuft = false; }

    float punkte = 0.0f;

private:
    bool m_laeuft = false;
    double m_start = 0.0;
};

// The end sequence on its own, for exercises that keep their own bookkeeping.
// False when nothing was saved because the user is no longer entered.
bool uebungsende(int programmnummer, float endpunkte, const QString& text,
                 Endfolge folge = Endfolge::Meldefenster);

// The result and the highscore of a run of the current user (nutzer,
// nutzername), each saved in one locked step with the register (xbasan.dat
// and the file, locked in the order of their names) and only while the
// register still holds nutzername in slot nutzer. Otherwise (another desk
// deleted or replaced him) nothing is saved, no line goes onto the results
// sheet, the message says so and the result is false. A file error is shown
// and the line still goes onto the sheet.
bool laufEintragen(int programmnummer, float punkte);
