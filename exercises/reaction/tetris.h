#pragma once
// Tetris: four-cell pieces of seven types; every full row vanishes.
#include "exercises/reaction/fallspiel.h"

class Tetrisspiel : public Fallspiel {
public:
    static const std::vector<fall::Drehung>& drehungen();
    // The piece of type t (1..7) as it appears with its reference column a (2..7).
    static fall::Stein startstein(int t, int a);

protected:
    void neustein() override;
    void drehen() override;
    void fixieren() override;

private:
    void loeschen();
    bool voll(int y) const;
};
