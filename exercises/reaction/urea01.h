#pragma once
// Tetris (program 61): four-cell pieces of seven types; every full row vanishes.
#include "exercises/reaction/fallfenster.h"

class Trea01 : public Fallfenster {
    Q_OBJECT
public:
    Trea01();
};
