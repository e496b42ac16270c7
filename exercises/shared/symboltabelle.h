#pragma once
// The thirty signs of the symbol exercises: codes of the Symbol font encoding,
// each with the character it shows. The codes are never decoded as
// Windows-1252 (A5 is the infinity sign, not the yen sign); the signs are
// drawn in the font that stands for "Symbol".
#include <QFont>
#include <QString>

constexpr int kSymbole = 30;

struct Symbolzeichen {
    unsigned char code;  // in the Symbol font encoding
    QChar zeichen;       // what it shows
};

// Entry i (1..30); an index outside is taken as the nearest entry.
const Symbolzeichen& Symboltabelle(int i);

// The font the signs are drawn in, pixelHoehe high.
QFont symbolschrift(int pixelHoehe);
