#pragma once
// A solver for the level boards: a uniform-cost search over the board class's
// own states (breadth-first when every move costs 1; Rangieren's energy costs
// fit in as costs). A move leads to a dead state, a solved one or on.
#include <QByteArray>
#include <QHash>
#include <functional>
#include <queue>
#include <vector>

struct Folge {
    bool tot = false;
    bool geloest = false;
    int kosten = 1;
};

struct Loesung {
    bool gefunden = false;
    bool gekappt = false;  // the state cap was reached first
    std::vector<int> zuege;
    long kosten = 0;
    long zustaende = 0;
};

// zuege: the number of moves (0..zuege-1); ziehe makes one on a copy;
// schluessel tells states apart.
template <typename Brett>
Loesung loese(const Brett& start, int zuege, const std::function<Folge(Brett&, int)>& ziehe,
              const std::function<QByteArray(const Brett&)>& schluessel, long kappe)
{
    struct Knoten {
        Brett brett;
        long vorher;
        int zug;
        long kosten;
        bool ziel;
    };
    std::vector<Knoten> knoten{{start, -1, -1, 0, false}};
    QHash<QByteArray, long> gesehen{{schluessel(start), 0}};
    gesehen.reserve(int(kappe));
    using Eintrag = std::pair<long, long>;  // cost, node; the earlier node first on equal cost
    std::priority_queue<Eintrag, std::vector<Eintrag>, std::greater<Eintrag>> offen;
    offen.push({0, 0});
    Loesung l;
    auto weg = [&](long k) {
        for (; knoten[k].vorher >= 0; k = knoten[k].vorher)
            l.zuege.insert(l.zuege.begin(), knoten[k].zug);
    };
    while (!offen.empty()) {
        const auto [kosten, k] = offen.top();
        offen.pop();
        if (kosten > knoten[k].kosten)
            continue;
        // a solution is taken when it is the cheapest open state
        if (knoten[k].ziel) {
            weg(k);
            l.gefunden = true;
            l.kosten = kosten;
            l.zustaende = long(knoten.size());
            return l;
        }
        for (int z = 0; z < zuege; ++z) {
            Brett b = knoten[k].brett;
            const Folge f = ziehe(b, z);
            if (f.tot)
                continue;
            const QByteArray s = f.geloest ? QByteArray() : schluessel(b);
            const long neu = kosten + f.kosten;
            auto it = f.geloest ? gesehen.end() : gesehen.find(s);
            if (it != gesehen.end() && knoten[it.value()].kosten <= neu)
                continue;
            if (long(knoten.size()) >= kappe) {
                l.gekappt = true;
                l.zustaende = long(knoten.size());
                return l;
            }
            knoten.push_back({b, k, z, neu, f.geloest});
            if (!f.geloest)
                gesehen[s] = long(knoten.size()) - 1;
            offen.push({neu, long(knoten.size()) - 1});
        }
    }
    l.zustaende = long(knoten.size());
    return l;
}
