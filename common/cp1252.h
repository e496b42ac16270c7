#pragma once
// Windows-1252 text: the data files hold one byte per character.
#include <QByteArray>
#include <QString>

namespace cp1252 {
// The character of a byte (all 256 bytes map; the five unused ones to their C1 codes).
char16_t zeichen(unsigned char byte);
// The byte of a character; characters outside the code page become '?'.
unsigned char byte(char32_t zeichen);
QString dekodiere(const QByteArray& bytes);
QByteArray kodiere(const QString& text);
}
