#pragma once
// "Rangieren", the board of the level puzzle Rangieren: loads level levelnr
// from "rangieau.dat" and steers the robot by eight commands, by buttons or
// keys, each charged to the energy. Solved: "GESCHAFFT!" and levelnr + 100;
// drowned, hit, out of energy, "zurück" or the close box: closed unchanged.
#include "exercises/logic/rangierbrett.h"
#include "platform/form.h"

class Malflaeche;
class QFrame;
class QLabel;
class QPushButton;

class Tspielra : public Form {
    Q_OBJECT
public:
    Tspielra();

    Malflaeche* pb = nullptr;
    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* energie = nullptr;
    QLabel* levelzeig = nullptr;
    QPushButton* Button1 = nullptr;

    // Whether the last opening loaded its level.
    bool geladen() const { return m_geladen; }
    const Rangierbrett& brett() const { return m_brett; }
    // Draws the whole board (public for the benchmark).
    void spielaufbau();

protected:
    void FormActivate() override;
    void FormClose() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;

private:
    void anordnen();
    void steuer(int befehl);
    bool spiele(const Rangierantwort& a);
    void zelle(int x, int y, int code);
    void roboter();
    void schuss(int x, int y);

    Rangierbrett m_brett;
    int m_e = 0;             // a cell's side
    bool m_geladen = false;
    bool m_offen = false;    // the opening has no outcome yet
    bool m_laeuft = false;   // a command is being played
};
