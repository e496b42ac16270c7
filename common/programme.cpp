#include "common/programme.h"

#include "common/cp1252.h"
#include "common/namen.h"

namespace programm {

bool istVerwaltung(int n) { return n >= 1 && n <= 11; }

bool istUebung(int n) { return n >= 13 && n <= 131 && n % 12 != 0; }

int kategorie(int n) { return n / 12 - 1; }

int punkt(int n) { return n % 12; }

int laufindex(int n) { return 11 * kategorie(n) + punkt(n); }

int ausLaufindex(int k) { return 13 + 12 * ((k - 1) / 11) + (k - 1) % 11; }

QChar buchstabe(int k) { return QChar(cp1252::zeichen(static_cast<unsigned char>(64 + k))); }

QChar planbuchstabe(int n) { return buchstabe(laufindex(n)); }

int ausBuchstabe(QChar b)
{
    const int code = cp1252::byte(b.unicode());
    return code >= 65 && code <= 64 + kAnzahlUebungen ? code - 64 : 0;
}

int kurznameZeile(int n) { return istVerwaltung(n) ? 1 : n / 12 + 1; }

int kurznameSpalte(int n) { return istVerwaltung(n) ? n - 1 : n % 12 - 1; }

QString kurzname(int n)
{
    if (!istVerwaltung(n) && !istUebung(n))
        return {};
    return ::kurznamen(kurznameZeile(n), kurznameSpalte(n));
}

}
