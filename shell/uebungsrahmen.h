#pragma once
// The frame every exercise shares: a run starts with 100 points, gains 100 per
// right answer, loses the elapsed seconds at the end, keeps at least 2 points and
// is cut to two decimals; then the message, the result entry, the highscore entry,
// and the window closes.
#include <QString>
#include <functional>
#include <vector>

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

// The saves at the end of a run: each entry (the result, the highscore, in a
// level chooser the levels) is saved in a step of its own, so that a file at
// fault costs only its own entry, and the user is told in one message box
// what was not saved and why.
class Laufende {
public:
    enum class Eintrag { Ergebnis, Highscore, Level };
    // One save for the current user (nutzer, nutzername): the register and
    // datei locked in the order of their names, the check, the save. False,
    // with nothing saved, when the register no longer holds him. An error is
    // kept for the message; the next entry is still tried.
    bool speichere(Eintrag was, const QString& datei, const std::function<void()>& speichern);
    // The one message box, if anything was not saved: which entries and why;
    // that nothing was saved only when nothing was.
    void melde();

private:
    struct Fehlschlag {
        Eintrag was;
        QString grund;
    };
    std::vector<Fehlschlag> m_fehlschlaege;
    int m_versuche = 0;
    bool m_nichtEingetragen = false;
};

// The end sequence on its own, for exercises that keep their own bookkeeping.
// False when nothing was saved because the user is no longer entered.
bool uebungsende(int programmnummer, float endpunkte, const QString& text,
                 Endfolge folge = Endfolge::Meldefenster);
// The same, leaving the message of what was not saved to the caller, who
// saves more entries of the run (with EintragZuerst it comes before the
// message window).
bool uebungsende(int programmnummer, float endpunkte, const QString& text, Endfolge folge, Laufende& ende);

// The result and the highscore of a run of the current user, each saved by
// Laufende::speichere. When the register no longer holds him (another desk
// deleted or replaced him) nothing is saved, no line goes onto the results
// sheet and the result is false. After a file error the line still goes onto
// the sheet. The first form shows its message itself.
bool laufEintragen(int programmnummer, float punkte);
bool laufEintragen(int programmnummer, float punkte, Laufende& ende);
