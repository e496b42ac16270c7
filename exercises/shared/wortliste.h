#pragma once
// The word list "begriffe.dat", which exercises of several categories read:
// records of one word each (a short string of 20 characters). Three ways of
// reading it: the whole list, the first 150 words, and a random draw of words
// whose length fits.
#include <QString>
#include <functional>
#include <vector>

// One record of the word list.
using TBegriff = QString;

namespace wortliste {
inline const QString kDatei = QStringLiteral("begriffe.dat");
constexpr int kSatzgroesse = 21;
constexpr int kWoerter = 577;  // records 0..576
constexpr int kErste = 150;    // records 0..149

// Records 0..576 in order; entry i - 1 holds word i.
std::vector<TBegriff> ganzeListe();
// Records 0..149 in order.
std::vector<TBegriff> ersteWoerter();

// Which lengths a caller wants.
using Laengenfilter = std::function<bool(int laenge)>;
Laengenfilter hoechstens(int zeichen);
Laengenfilter genau(int zeichen);

// Draws anzahl words of the whole list at random whose length passes the
// filter, each record equally likely; with verschieden no word comes twice
// (exact comparison). The words are returned in the order drawn. A list with
// too few fitting words ends with a German message (VelmoraFehler), never in an
// endless draw.
std::vector<TBegriff> zufallNachLaenge(int anzahl, const Laengenfilter& passt, bool verschieden = true);
// The same draw from a list already read.
std::vector<TBegriff> ziehe(const std::vector<TBegriff>& liste, int anzahl, const Laengenfilter& passt,
                            bool verschieden = true);
// The message of a list with too few fitting words.
QString zuWenigeWoerter();
}
