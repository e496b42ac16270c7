#pragma once
// "ROBBI", the board of the level puzzle Robbi: loads level levelnr from
// "basrobbi.dat", moves the robot with the arrow keys and acts on Space, and
// plays the rules' answers with their pauses. Solved: "GESCHAFFT!" and levelnr
// + 100; drowned, hit, Esc, "zurück" or the close box: closed unchanged.
#include "exercises/logic/robbibrett.h"
#include "platform/form.h"

class Malflaeche;
class Leinwand;
class QLabel;
class QPushButton;

class Tspielro : public Form {
    Q_OBJECT
public:
    Tspielro();

    Malflaeche* pb = nullptr;
    QLabel* levelzeig = nullptr;
    QPushButton* button1 = nullptr;

    // Whether the last opening loaded its level.
    bool geladen() const { return m_geladen; }
    const Robbibrett& brett() const { return m_brett; }
    int einheit() const { return m_u; }
    // Draws the whole board (public for the benchmark).
    void aufbau();

protected:
    void FormActivate() override;
    void FormClose() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;

private:
    void anordnen();
    void spiele(const Robbiantwort& a);
    void beende(Robbiausgang ausgang);
    void steinauf(int x, int y, int code, bool offen);
    void roboter(int x, int y);
    void kreuz(int x, int y);
    void schuss(int x, int y);

    Robbibrett m_brett;
    int m_u = 0;
    bool m_geladen = false;
    bool m_offen = false;  // the opening has no outcome yet
};
