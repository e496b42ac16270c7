#pragma once
// Tatris (program 62): pieces of one to three coloured blocks; four equal colours
// in a row or a column vanish.
#include "exercises/reaction/fallfenster.h"

class Trea02 : public Fallfenster {
    Q_OBJECT
public:
    Trea02();
};
