#pragma once
// The highscore entry: the fifteen best of every exercise in "xbashigh.dat",
// and the completion of the result line, which goes onto the results sheet.
#include <QString>
#include <array>
#include <functional>

namespace highscore {
constexpr int kSatzgroesse = 63;  // name, score text, date: three short strings of 20
constexpr int kPlaetze = 15;
constexpr int kBloecke = 110;
inline const QString kDatei = QStringLiteral("xbashigh.dat");

struct Platz {
    QString name;
    QString punkte;  // as stored; "0" for an empty place
    QString datum;
    bool operator==(const Platz&) const = default;
};

int block(int programmnummer);  // (n div 12 - 1) * 11 + n mod 12 - 1
Platz ausSatz(const QByteArray& satz);
QByteArray alsSatz(const Platz& p);

using Liste = std::array<Platz, kPlaetze>;
// The fifteen places of block b; an empty score text reads as "0".
Liste liesBlock(int b);
// Reads block b and, if aendern returns true, writes the list it changed, in
// one locked step: two programs entering scores at once both keep theirs.
void aendereBlock(int b, const std::function<bool(Liste&)>& aendern);

// Enters name with the score into the list of program n, in one locked step,
// if it reaches the fifteen. bester gets the best score of the list before
// the entry as soon as all fifteen are read. Throws EAFehler.
void trageEin(int n, float punkte, const QString& name, double& bester);
// Completes the result line with the best score and the run's percentage of
// it, and puts it onto the results sheet.
void schliesseZeileAb(double bester, float punkte);
}
