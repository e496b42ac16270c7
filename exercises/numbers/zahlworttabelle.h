#pragma once
// The number words of "Zahlwort": 80 entries, each the word, a comma and its
// value in digits, in four blocks of 20 (block b serves level b). Entries 70
// and 72 repeat the words of entries 20 and 36 and are entries of their own.
#include <QString>

constexpr int kZahlwoerter = 80;

// Entry i (1..80) exactly as stored.
const QString& Zahlworttabelle(int i);
