#include "exercises/shared/symboltabelle.h"

#include "platform/schriften.h"

#include <algorithm>
#include <array>

namespace {

const std::array<Symbolzeichen, kSymbole> kTabelle{{
    {0x46, QChar(0x03A6)},  // Phi
    {0x50, QChar(0x03A0)},  // Pi
    {0x53, QChar(0x03A3)},  // Sigma
    {0x57, QChar(0x03A9)},  // Omega
    {0x59, QChar(0x03A8)},  // Psi
    {0x5E, QChar(0x22A5)},  // perpendicular
    {0xA5, QChar(0x221E)},  // infinity
    {0xA7, QChar(0x2663)},  // club
    {0xA8, QChar(0x2666)},  // diamond
    {0xA9, QChar(0x2665)},  // heart
    {0xAA, QChar(0x2660)},  // spade
    {0xA1, QChar(0x03D2)},  // Upsilon with hook
    {0xAC, QChar(0x2190)},  // arrow left
    {0xAD, QChar(0x2191)},  // arrow up
    {0xAE, QChar(0x2192)},  // arrow right
    {0xAF, QChar(0x2193)},  // arrow down
    {0xB1, QChar(0x00B1)},  // plus-minus
    {0xBB, QChar(0x2248)},  // almost equal
    {0xC4, QChar(0x2297)},  // circled times
    {0xC5, QChar(0x2295)},  // circled plus
    {0xC7, QChar(0x2229)},  // intersection
    {0xC8, QChar(0x222A)},  // union
    {0xD3, QChar(0x00A9)},  // circled C
    {0xD9, QChar(0x2227)},  // logical and
    {0xDA, QChar(0x2228)},  // logical or
    {0xDB, QChar(0x21D4)},  // double arrow left-right
    {0xDC, QChar(0x21D0)},  // double arrow left
    {0xDD, QChar(0x21D1)},  // double arrow up
    {0xDE, QChar(0x21D2)},  // double arrow right
    {0xDF, QChar(0x21D3)},  // double arrow down
}};

}

const Symbolzeichen& Symboltabelle(int i) { return kTabelle[std::clamp(i, 1, kSymbole) - 1]; }

QFont symbolschrift(int pixelHoehe) { return schrift::font(QStringLiteral("Symbol"), pixelHoehe); }
