#pragma once
// The tasks of the two ordering exercises, apart from the window: words to
// put in ascending order ("Sortieren") and the shuffled words of a sentence
// ("Satzbau").
#include "exercises/shared/wortliste.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace ordnung {

constexpr int kHoechstensWoerter = 8;  // rows 1..8 of the picture

struct Aufgabe {
    std::vector<QString> vorgabe;  // as shown, key letters A, B, ...
    std::vector<QString> loesung;  // the right order
};

// Ascending order of the Windows-1252 bytes; a word that is a prefix of
// another comes first.
bool vor(const QString& a, const QString& b);

// wortzahl different words of the list, and the same words in ascending order.
Aufgabe sortieraufgabe(const std::vector<TBegriff>& liste, int wortzahl);

// The words of a sentence: every word but the last keeps its following blank.
// There are never more than 8: the eighth word holds the rest of the sentence.
std::vector<QString> teile(const QString& satz);

// Twenty swaps of two positions drawn at random (a position may meet itself,
// so the words may come out in their right order).
void mische(std::vector<QString>& woerter);

// A sentence of band b (sentences 36 b + 1 .. 36 b + 36) not used yet in the
// run, marked used, split and shuffled.
constexpr int kSaetzeProBand = 36;
constexpr int kBaender = 5;
Aufgabe satzaufgabe(const QStringList& saetze, std::vector<bool>& benutzt, int band);

// Every picked word equals the solution's word at its place.
bool richtig(const std::vector<QString>& eingabe, const std::vector<QString>& loesung);

// A level that grows by one at every alle-th right answer of the run, never
// past hoechstens.
class Stufe {
public:
    Stufe(int start, int alle, int hoechstens) : m_start(start), m_alle(alle), m_hoechstens(hoechstens) {}
    void neu() { m_wert = m_start; m_richtige = 0; }
    void richtig();
    int wert() const { return m_wert; }

private:
    int m_start, m_alle, m_hoechstens;
    int m_wert = 0;
    int m_richtige = 0;
};

}
