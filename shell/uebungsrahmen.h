#pragma once
// The frame every exercise shares: a run starts with 100 points, gains 100 per
// right answer, loses the elapsed seconds at the end, keeps at least 2 points and
// is cut to two decimals; then the message, the result entry, the highscore entry,
// and the window closes.
#include <QString>

class QWidget;

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
    void beende(QWidget* fenster, int programmnummer, float endpunkte, const QString& text = {});
    // The same end with text in a plain message box in place of the message
    // window; meldung keeps its value.
    void beendeMitMeldebox(QWidget* fenster, int programmnummer, float endpunkte, const QString& text);
    // Ends the run without recording anything (Esc, closing the window).
    void abbrechen() { m_laeuft = false; }

    float punkte = 0.0f;

private:
    bool m_laeuft = false;
    double m_start = 0.0;
};

// The end sequence on its own, for exercises that keep their own bookkeeping.
void uebungsende(int programmnummer, float endpunkte, const QString& text);
