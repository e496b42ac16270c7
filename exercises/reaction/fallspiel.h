#pragma once
// What both falling-block games share, apart from pixels: the tick that spawns
// or lets the piece fall, the keys, the drop with its points, the score and the
// speed-up of the timer. Each game supplies its pieces, its turns and what
// happens when a piece is fixed.
#include "exercises/reaction/fallbrett.h"

class Fallspiel {
public:
    static constexpr int kStartintervall = 1000;  // ms
    static constexpr int kKuerzestes = 200;

    virtual ~Fallspiel() = default;

    // Opening of the window: 1000 points, nothing cleared.
    void zuruecksetzen();
    // A new game: empty board, first interval, a piece is due.
    void neuesSpiel();
    // One tick of the timer: spawn the due piece, or let the falling one fall or fix it.
    void takt();

    // The keys; they act only while a piece is falling.
    bool steinFaellt() const { return !ausstehend && !ende && sichtbar; }
    void links();
    void rechts();
    void hoch();
    void runter();  // the drop: one point per row

    // The value a cell shows: the falling piece over the board.
    int anzeige(int x, int y) const;

    Fallbrett brett;
    fall::Stein stein;
    bool sichtbar = false;    // the piece is shown on the board
    bool ausstehend = false;  // the next tick spawns a piece
    bool ende = false;        // a spawn found a cell taken
    float punkte = 0.0f;      // whole points only
    int geloescht = 0;        // rows (Tetris) or runs (Tatris) cleared
    int tempo = 0;            // cleared since the last speed-up, 0..4
    int intervall = kStartintervall;

protected:
    // Sets stein and sichtbar; sets ende when a spawn cell is taken.
    virtual void neustein() = 0;
    virtual void drehen() = 0;
    // The piece has come to rest: store it and clear what is complete.
    virtual void fixieren() = 0;
    // Game-specific part of a new game, after the walls.
    virtual void neuesBrett() {}

    // One row or run cleared: 100 points; every fifth shortens the interval.
    void gezaehlt();
};
