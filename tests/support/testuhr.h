#pragma once
// The clock of the tests: a fixed day and time of day, and elapsed seconds
// that a test moves on by hand.
#include "common/uhr.h"

class Testuhr : public Uhrquelle {
public:
    QDate tag{2026, 3, 7};
    double zeit = 0.5;
    double mono = 1000.0;
    QDate heute() const override { return tag; }
    double tageszeit() const override { return zeit; }
    double sekunden() const override { return mono; }
};
