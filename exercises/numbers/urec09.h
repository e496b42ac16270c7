#pragma once
// "Summenquadrat": starts when the window is shown. A white frame over a 3 x 3
// square is moved with the arrow keys onto a square whose digits add up to the
// target; Enter judges. 20 tasks, 50 points for each right one; Esc leaves.
#include "exercises/numbers/summenbrett.h"
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

class Malflaeche;
class QFrame;
class QLabel;

class Trec09 : public Form {
    Q_OBJECT
public:
    static constexpr int kProgramm = 23;
    static constexpr int kAufgaben = 20;

    Trec09();

    QFrame* Panel1;
    QLabel* Label1;
    Malflaeche* ima;

    const Summenbrett& brett() const { return m_brett; }
    int aufgabe() const { return m_k; }
    bool laeuft() const { return m_lauf.laeuft(); }
    // The drawing unit: a cell is 10 units wide and high.
    int einheit() const;

    // Makes and draws a new task.
    void neuspiel();

protected:
    void FormActivate() override;
    void FormClose() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;

private:
    enum Modus { Loeschen, Nutzer, Loesung };
    void aufbau(int x, int y, Modus modus);
    void pruefe();

    Summenbrett m_brett;
    Uebungslauf m_lauf;
    int m_k = 0;
    int m_richtige = 0;
};
