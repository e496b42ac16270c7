#pragma once
// "Städte": eight of the 30 cities of "stadtwin.dat" with their populations to
// memorise; then each city's population is estimated, 0 to 100 points by closeness.
#include "exercises/memory/listenaufgaben.h"
#include "exercises/memory/listenfenster.h"

#include <vector>

class Tson04 : public Listenfenster {
    Q_OBJECT
public:
    Tson04();

    static constexpr int kProgramm = 89;
    static constexpr int kPosten = 8;

    QTextEdit* Memo;  // the city asked for

private:
    void anordnen() override;
    void startClick() override;
    void memobuttClick() override;
    void pruefe(int antwort) override;
    void weiterClick() override;
    void FormClose() override;
    void stadtholen();

    std::vector<listen::Stadt> m_staedte;  // the file's 30 cities
    std::vector<int> m_gewaehlt;            // the eight entries, 1..30, in drawing order
    listen::Stadt m_stadt;                  // the one asked for
};
