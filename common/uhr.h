#pragma once
// The clock: time of day and date for the records, a monotonic count for
// elapsed time. Tests put a clock of their own in place.
#include <QDate>

class Uhrquelle {
public:
    virtual ~Uhrquelle() = default;
    virtual QDate heute() const = 0;
    virtual double tageszeit() const = 0;  // fraction of the day, millisecond resolution
    virtual double sekunden() const = 0;   // monotonic seconds since some fixed point
};

namespace uhr {
QDate heute();
double tageszeit();
double sekunden();
// Replaces the system clock; nullptr restores it.
void setzeQuelle(const Uhrquelle* quelle);
}
