#pragma once
// Tatris: pieces of one to three coloured blocks; four equal colours in a row or
// a column vanish. Colours and shapes grow with the runs cleared ("Blöcke"), and
// six blue obstacles lie in the field from the start.
#include "exercises/reaction/fallspiel.h"

class Tatrisspiel : public Fallspiel {
public:
    // Cell values of the blocks; obstacles and walls hold blue.
    enum Farbe { kBlau = 1, kRot = 2, kGelb = 3, kGruen = 4 };

    static const std::vector<fall::Drehung>& drehungen();
    // The piece of the given shape (1..3) with the colours of blocks 1 to 3.
    static fall::Stein startstein(int form, int f1, int f2, int f3);

    int farbenzahl = 2;  // colours in play, 2..4
    int formenzahl = 1;  // shapes in play, 1..3

protected:
    void neuesBrett() override;
    void neustein() override;
    void drehen() override;
    void fixieren() override;

private:
    void vormal();
    void loeschen();
    bool lauf(int x, int y, int dx, int dy) const;
    void raeume(int x, int y, int dx, int dy);
    void nachrutschen();
    bool rutsche(fall::Block& b);
};
