#pragma once
// The base of the list windows "Städte", "Alter" and "Zahlentest": a list to
// memorise until "zurück", then one question at a time, answered with a number
// of at most four digits and Enter, a verdict, "Enter" to go on. The base holds
// the controls in each member's fonts, their layout, the digit filter, the
// judge-once guard and the end of a run.
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

#include <QString>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

// Font heights of a member's controls, in pixels.
struct Listenschriften {
    int memo1;       // the list, Courier New
    int ausgabe;     // the question or the true value, Arial
    int rifa;        // the verdict, Arial
    int memo1Hoehe;  // the list's height
};

class Listenfenster : public Form {
    Q_OBJECT
public:
    QPushButton* start;
    QTextEdit* memo1;
    QPushButton* memobutt;
    QTextEdit* ausgabe;
    QLineEdit* eingabe;
    QLabel* rifa;
    QPushButton* weiter;
    QLabel* aufzahl;

protected:
    // Controls a member adds come between the base's (ausgabe first, the
    // answer field after): baueAntwort creates the answer field and what follows.
    Listenfenster(const QString& klasse, const QString& titel, int programm, const Listenschriften& schriften);
    void baueAntwort();

    // Places the controls at the window's size; members move what differs.
    virtual void anordnen();
    virtual void startClick() = 0;
    virtual void memobuttClick() = 0;
    // Enter on the open item with the typed number.
    virtual void pruefe(int antwort) = 0;
    virtual void weiterClick() = 0;

    void FormShow() override;
    void FormClose() override;

    // The list shown in place of the start button, "zurück" focused.
    void zeigeListe(const QStringList& zeilen);
    // The answer field editable, empty, focused; the item waits for its answer.
    void oeffneFrage();
    // The verdict in rifa, "Enter" focused, the answer field read-only.
    void zeigeUrteil(const QString& text);
    // Back to idle, and the end of the run with its result.
    void beende();
    QString zaehlerText(int gesamt) const;

    Uebungslauf m_lauf;
    int m_zaehler = 0;  // the item (Städte) or the round

private:
    void eingabeKeyUp(int taste);

    int m_programm;
    Listenschriften m_schriften;
    bool m_offen = false;  // an item waits for its answer
};
