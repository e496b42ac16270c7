#pragma once
// The frame of the typed-answer windows: "Start", the answer
// field, the verdict "rifa", "weiter" and the task counter "aufzahl", and the
// course of a run: start, judge on Enter, "weiter" to the next task, the end
// after the last one. A window adds its task display and what a task is.
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

#include <QString>
#include <optional>

class QColor;
class QLabel;
class QLineEdit;
class QPushButton;

class Antwortfenster : public Form {
    Q_OBJECT
public:
    QPushButton* start;
    QLineEdit* eingabe = nullptr;
    QLabel* rifa = nullptr;
    QPushButton* weiter = nullptr;
    QLabel* aufzahl = nullptr;

protected:
    // zeitteiler: the elapsed seconds divided by this come off the points.
    Antwortfenster(const QString& klasse, const QString& titel, const QColor& farbe, int programm, int aufgaben,
                   int zeitteiler = 1);

    // The controls below the task display, created after it: an answer field
    // of laenge characters in font height feldhoehe, then rifa, weiter, aufzahl.
    void baueAntwort(int laenge, int feldhoehe, int zaehlerhoehe);

    // Places the shared controls; a window places its own after calling this.
    virtual void anordnen();
    // Per run, before the first task: files read, state reset. May throw.
    virtual void vorbereiten() {}
    // Draws the next task and shows it.
    virtual void naechsteAufgabe() = 0;
    // Empties the task display between tasks and at the end.
    virtual void leereAnzeige() = 0;
    // Enter on an open task: judges the field's text (through urteile) or leaves it open.
    virtual void pruefe() = 0;
    // A typed character; by default whole numbers only.
    virtual bool eingabeKeyPress(int zeichen);
    // A task is shown and the answer field ready; a window that hides the
    // field until the task is memorised does it here.
    virtual void aufgabeGezeigt() {}

    // The verdict: gewinn points for a right answer, otherwise fehler in rifa.
    void urteile(bool richtig, const QString& fehler, float gewinn = 100.0f);
    // The field as a whole number; none while it is empty or too long.
    std::optional<int> ganzeAntwort() const;

    void FormShow() override;
    void FormClose() override;

    Uebungslauf m_lauf;
    int m_k = 0;  // task counter
    bool m_escSchliesst = true;  // Esc in the answer field closes the window
    bool m_startVorEnde = true;  // "Start" shown again before the end, not only on closing

private:
    void startClick();
    void eingabeKeyUp(int taste);
    void weiterClick();
    QString zaehlerText() const;

    int m_programm;
    int m_aufgaben;
    int m_zeitteiler;
    bool m_offen = false;  // a task waits for its answer
};
