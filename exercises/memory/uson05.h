#pragma once
// "Alter" and its member "Zahlentest": five rounds, each a list of N items
// (first names with ages, or statements with a number) to memorise, then a
// question on each item in another order. N starts at 2 and grows by one after
// a round with every answer right.
#include "exercises/memory/listenaufgaben.h"
#include "exercises/memory/listenfenster.h"

#include <vector>

// What a member is: one row each.
struct Rundenart {
    int programm;
    QString klasse;
    QString titel;
    // Makes a round of n items; the flags of the table's rows are its to keep or clear.
    std::vector<listen::Posten> (*runde)(int n, std::vector<bool>& benutzt);
    Listenschriften schriften;
    // The wide list (4/5 of the client width), the question across 7/8 of the
    // window's width, and the round counter a thirtieth of its height down.
    bool breit;
};

class Tson05 : public Listenfenster {
    Q_OBJECT
public:
    explicit Tson05(const Rundenart& art);

    static const std::vector<Rundenart>& mitglieder();
    static constexpr int kRunden = 5;

private:
    void anordnen() override;
    void startClick() override;
    void memobuttClick() override;
    void pruefe(int antwort) override;
    void weiterClick() override;
    void listzeig();

    const Rundenart& m_art;
    std::vector<bool> m_benutzt;
    std::vector<listen::Posten> m_posten;  // the round's items, in question order
    int m_n = 2;         // list length
    int m_frage = 0;     // the item asked, from 1
    int m_richtige = 0;  // right answers in the round
};
