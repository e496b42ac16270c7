#include "common/uhr.h"

#include <QDateTime>
#include <QElapsedTimer>

namespace {

class Systemuhr : public Uhrquelle {
public:
    Systemuhr() { m_lauf.start(); }
    QDate heute() const override { return QDate::currentDate(); }
    double tageszeit() const override { return QTime::currentTime().msecsSinceStartOfDay() / 86400000.0; }
    double sekunden() const override { return m_lauf.nsecsElapsed() / 1e9; }

private:
    QElapsedTimer m_lauf;
};

const Uhrquelle* quelle()
{
    static const Systemuhr system;
    return &system;
}

const Uhrquelle* g_ersatz = nullptr;

const Uhrquelle& aktiv() { return g_ersatz ? *g_ersatz : *quelle(); }

}

namespace uhr {
QDate heute() { return aktiv().heute(); }
double tageszeit() { return aktiv().tageszeit(); }
double sekunden() { return aktiv().sekunden(); }
void setzeQuelle(const Uhrquelle* q) { g_ersatz = q; }
}
