#pragma once
// Pseudo-random numbers for the task makers. Tests seed the generator or
// script the sequence of numbers in [0,1).
#include <functional>
#include <vector>

namespace zufall {
// Seeds the generator from a high-resolution counter (ignored while a test
// sequence is set).
void randomize();
// A number in [0,1).
double r();
// A number in 1..K: trunc(r * K) + 1.
int R(int K);
// m different numbers out of 1..R, in the order drawn (m is capped at R).
std::vector<int> ohneWiederholung(int m, int R);

// Test seams.
void setzeSaat(unsigned saat);
void setzeFolge(std::function<double()> folge);  // empty function: back to the generator
}
