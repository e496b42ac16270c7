#pragma once
// The highscore entry: the fifteen best of every exercise in "xbashigh.dat",
// and the completion of the result line, which goes onto the results sheet.
#include <QString>
#include <array>

namespace highscore {
constexpr int kSatzgroesse = 63;  // name, score text, date: three short strings of 20
constexpr int kPlaetze = 15;
constexpr int kBloecke = 110;
inline const QString kDatei = QStringLiteral("xbashigh.dat");

struct Platz {
    QString name;
    QString punkte;  // as stored; "0" for an empty place
    QString datum;
};

int block(int programmnummer);  // (n div 12 - 1) * 11 + n mod 12 - 1
Platz ausSatz(const QByteArray& satz);
QByteArray alsSatz(const Platz& p);

using Liste = std::array<Platz, kPlaetze>;
// The fifteen places of block b; an empty score text reads as "0".
Liste liesBlock(int b);
void schreibeBlock(int b, const Liste& liste);
}

void highein(int programmnummer, float punkte);
