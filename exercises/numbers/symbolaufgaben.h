#pragma once
// The tasks of "Symbolrechnen": ten signs of the sign table stand for the
// digits of a run; a task is a product of two digits or a sum of two numbers
// of two digits, written in those signs.
#include <QChar>
#include <QString>
#include <array>

// Entry d is the sign that stands for digit d.
using Zifferncode = std::array<QChar, 10>;

struct Symbolaufgabe {
    QString zeichen;  // the task in signs, as shown: "♥  *  ♥  ="
    QString klar;     // the task in digits with its result: "9*9=81"
    int ergebnis = 0;
};

namespace symbolrechnen {
// Seeds the generator and draws ten different entries of the sign table; the
// first drawn stands for 0.
Zifferncode ziehe();
// Seeds the generator and draws a task: a product a * b with a 2..9 and b 1..9,
// or a sum of two numbers 10..49.
Symbolaufgabe aufgabe(const Zifferncode& code);
}
