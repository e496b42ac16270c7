#pragma once
// Helpers of the Springen and Schieben tests and benchmark: the solvers on
// the board classes, a level read from the working folder, small boards.
#include "common/satzdatei.h"
#include "exercises/logic/schiebebrett.h"
#include "exercises/logic/springbrett.h"
#include "tests/exercises/logic/loeser.h"

#include <QSet>
#include <QStringList>
#include <array>
#include <deque>

inline QByteArray brettLevel(const QString& datei, int level)
{
    Satzdatei d(datei, 101);
    d.positioniere(level - 1);
    return d.lies().mid(1, 100);
}

// Rows of letters at the top left of a board filled with fill.
inline QByteArray brettKarte(const QStringList& zeilen, char fill)
{
    QByteArray f(100, fill);
    for (int y = 0; y < zeilen.size(); ++y)
        for (int x = 0; x < zeilen[y].size(); ++x)
            f[y * 10 + x] = zeilen[y].at(x).toLatin1();
    return f;
}

inline const std::array<QPoint, 4> kSchritte{QPoint(0, -1), QPoint(1, 0), QPoint(0, 1), QPoint(-1, 0)};

// ---- Springen: a move is a peg (cell 0..99) and a direction (0..3) ----

inline bool springe(Springbrett& b, int zug)
{
    const QPoint p((zug / 4) % 10 + 1, (zug / 4) / 10 + 1);
    const QPoint c = p + 2 * kSchritte[std::size_t(zug % 4)];
    const int vorher = b.steine();
    if (b.waehle(p.x(), p.y()).empty())
        return false;
    b.waehle(c.x(), c.y());
    return b.steine() < vorher;
}

// Depth-first over peg sets down to one peg; boards known to fail are kept.
inline Loesung loeseSpringen(const Springbrett& start)
{
    Loesung l;
    QSet<QByteArray> tot;
    std::function<bool(const Springbrett&)> suche = [&](const Springbrett& b) {
        if (b.geloest())
            return true;
        if (tot.contains(b.schluessel()))
            return false;
        for (int z = 0; z < 400; ++z) {
            Springbrett n = b;
            if (!springe(n, z))
                continue;
            l.zuege.push_back(z);
            if (suche(n))
                return true;
            l.zuege.pop_back();
        }
        tot.insert(b.schluessel());
        ++l.zustaende;
        return false;
    };
    l.gefunden = suche(start);
    l.kosten = long(l.zuege.size());
    l.zustaende += long(l.zuege.size());
    return l;
}

// ---- Schieben: a move is a box (cell 0..99) pushed in a direction (0..3) ----

// The arrow keys (1..4) that walk the pusher to ziel over floor and targets;
// empty when it cannot get there (or stands there).
inline std::vector<int> wegZu(const Schiebebrett& b, QPoint ziel)
{
    std::array<int, 256> von{};
    von.fill(-1);
    std::deque<QPoint> offen{b.schieber()};
    von[std::size_t(b.schieber().y() * 16 + b.schieber().x())] = 4;
    while (!offen.empty()) {
        const QPoint p = offen.front();
        offen.pop_front();
        if (p == ziel) {
            std::vector<int> weg;
            for (QPoint q = p; q != b.schieber();) {
                const int r = von[std::size_t(q.y() * 16 + q.x())];
                weg.insert(weg.begin(), r + 1);
                q -= kSchritte[std::size_t(r)];
            }
            return weg;
        }
        for (int r = 0; r < 4; ++r) {
            const QPoint n = p + kSchritte[std::size_t(r)];
            if (schieben::istFrei(b.feld(n.x(), n.y())) && von[std::size_t(n.y() * 16 + n.x())] < 0) {
                von[std::size_t(n.y() * 16 + n.x())] = r;
                offen.push_back(n);
            }
        }
    }
    return {};
}

// The keys of one push, or empty when the push cannot be made.
inline std::vector<int> schubTasten(const Schiebebrett& b, int zug)
{
    const QPoint kiste(zug / 4 % 10 + 1, zug / 4 / 10 + 1);
    const int r = zug % 4;
    if (!schieben::istKiste(b.feld(kiste.x(), kiste.y())))
        return {};
    const QPoint hinter = kiste + kSchritte[std::size_t(r)];
    if (!schieben::istFrei(b.feld(hinter.x(), hinter.y())))
        return {};
    const QPoint stand = kiste - kSchritte[std::size_t(r)];
    std::vector<int> weg;
    if (b.schieber() != stand) {
        weg = wegZu(b, stand);
        if (weg.empty())
            return {};
    }
    weg.push_back(r + 1);
    return weg;
}

// Cells from which a box of each colour can still reach one of its targets
// (pulled back from the targets, other boxes ignored).
inline std::array<std::array<bool, 256>, 5> lebendeFelder(const Schiebebrett& b)
{
    std::array<std::array<bool, 256>, 5> lebt{};
    auto frei = [&](QPoint p) { return b.feld(p.x(), p.y()) != schieben::kWand && b.feld(p.x(), p.y()) != schieben::kRand; };
    for (int f = 1; f <= 4; ++f) {
        std::deque<QPoint> offen;
        for (int y = 1; y <= 10; ++y)
            for (int x = 1; x <= 10; ++x)
                if (b.ziel(x, y) == schieben::kZiel + f) {
                    lebt[std::size_t(f)][std::size_t(y * 16 + x)] = true;
                    offen.push_back({x, y});
                }
        while (!offen.empty()) {
            const QPoint p = offen.front();
            offen.pop_front();
            for (const QPoint& s : kSchritte) {
                const QPoint n = p + s;
                if (frei(n) && frei(n + s) && !lebt[std::size_t(f)][std::size_t(n.y() * 16 + n.x())]) {
                    lebt[std::size_t(f)][std::size_t(n.y() * 16 + n.x())] = true;
                    offen.push_back(n);
                }
            }
        }
    }
    return lebt;
}

// Breadth-first over pushes; a state is the boxes and the pusher's region
// (its first reachable cell).
inline Loesung loeseSchieben(const Schiebebrett& start, long kappe = 2000000)
{
    const auto lebt = lebendeFelder(start);
    auto ziehe = [&](Schiebebrett& b, int z) {
        Folge f;
        const std::vector<int> tasten = schubTasten(b, z);
        if (tasten.empty()) {
            f.tot = true;
            return f;
        }
        for (int t : tasten)
            b.zug(t);
        const QPoint nach = QPoint(z / 4 % 10 + 1, z / 4 / 10 + 1) + kSchritte[std::size_t(z % 4)];
        const int farbe = schieben::farbe(b.feld(nach.x(), nach.y()));
        f.tot = !lebt[std::size_t(farbe)][std::size_t(nach.y() * 16 + nach.x())];
        f.geloest = b.geloest();
        return f;
    };
    auto schluessel = [](const Schiebebrett& b) {
        QByteArray k = b.schluessel().left(100);
        for (int i = 0; i < 100; ++i)
            if (schieben::istFrei(k.at(i)))
                k[i] = 0;
        // the first cell the pusher can reach stands for its region
        std::array<bool, 256> da{};
        std::vector<QPoint> offen{b.schieber()};
        da[std::size_t(b.schieber().y() * 16 + b.schieber().x())] = true;
        int erste = 255;
        while (!offen.empty()) {
            const QPoint p = offen.back();
            offen.pop_back();
            erste = std::min(erste, (p.y() - 1) * 10 + p.x() - 1);
            for (const QPoint& s : kSchritte) {
                const QPoint n = p + s;
                if (schieben::istFrei(b.feld(n.x(), n.y())) && !da[std::size_t(n.y() * 16 + n.x())]) {
                    da[std::size_t(n.y() * 16 + n.x())] = true;
                    offen.push_back(n);
                }
            }
        }
        k.append(char(erste));
        return k;
    };
    return loese<Schiebebrett>(start, 400, ziehe, schluessel, kappe);
}
