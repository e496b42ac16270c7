#pragma once
// "FARFO I" and "FARFO II": find, in a 10 x 10 field of items, the 3 x 3 block
// that equals the sample beside it; 20 tasks, no Start button: the run begins
// when the window is shown. +50 for a right block, nothing off for a wrong one
// (its place is shown in red first). The result is recorded before the message
// window. One window class, the two members as rows of a table.
#include "exercises/memory/farfofeld.h"
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

#include <vector>

class QFrame;
class QLabel;

struct Farfoart {
    int programm;
    QString klasse;
    QString titel;
    bool formen;         // blue shapes by code; else squares coloured by code
    bool umrisse;        // the outlines of the empty cells are drawn
    QString fehlerText;  // the box after a wrong block
};

class Twahr01 : public Form {
    Q_OBJECT
public:
    static constexpr int kAufgaben = 20;
    static constexpr float kRichtig = 50.0f;

    explicit Twahr01(const Farfoart& art);
    static const std::vector<Farfoart>& mitglieder();

    QFrame* Panel1;
    QLabel* Label1;
    Malflaeche* ima;

    // Read by tests and the benchmark.
    const Farfoart& art() const { return m_art; }
    const Farfofeld& feld() const { return m_feld; }
    QPoint cursor() const { return m_cursor; }
    int aufgabe() const { return m_aufgabe; }
    int richtige() const { return m_richtige; }
    int s() const { return m_s; }
    float punkte() const { return m_lauf.punkte; }
    bool laeuft() const { return m_lauf.laeuft(); }
    // A new task, laid out, drawn, the cursor on (2, 2) (public for the benchmark).
    void neuspiel();

protected:
    void FormActivate() override;
    void FormClose() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;

private:
    enum Modus { Loeschen, Cursor, Muster };
    void aufbau1();
    void aufbau(QPoint block, Modus modus);
    void zeichneZelle(int spalte, int zeile);
    void pruefe();

    const Farfoart& m_art;
    Uebungslauf m_lauf;
    Farfofeld m_feld;
    QPoint m_cursor{2, 2};
    int m_aufgabe = 1;
    int m_richtige = 0;
    int m_s = 1;
};
