#pragma once
// Numbers and dates as text, in the fixed German forms the data files and
// messages use, whatever the machine's locale.
#include <QDate>
#include <QString>
#include <cstdint>

namespace textformat {
// General format, up to 15 significant digits, decimal comma, no trailing zeros:
// 2 -> "2", 100.5 -> "100,5", 234.56f -> "234,559997558594".
QString gleitText(double wert);
// The score text of the data files: gleitText cut to its first 7 characters.
QString punkteText(float wert, int zeichen = 7);
// Right-aligned in at least breite characters, rounded to dezimalen decimals, point.
QString festFormat(double wert, int breite, int dezimalen);
// Right-aligned in 7 characters with 2 decimals and a point: "   0.00", " 105.90".
QString punktFormat72(double wert);
// Inserts text before the 1-based position; past the end it is appended.
void einfuegen(QString& ziel, const QString& text, int position);
// Whole-number text of a value cut toward zero.
QString ganzzahlText(double wert);

// Strict conversions; a text that is no number throws Konvertierungsfehler.
std::int32_t strToInt(const QString& s);
double strToFloat(const QString& s);  // decimal comma
// Reads a number with a point as the only decimal separator, up to the first
// character that cannot continue it ("105,9" -> 105); nothing readable or out of
// range -> 0.
double valPunkt(const QString& s);

// Upper case for the letters a to z only; umlauts and ß stay as typed.
QString grossAZ(const QString& s);

QString datum(const QDate& d);       // dd.mm.yyyy
QString datumKurz(const QDate& d);   // dd.mm.yy
}
