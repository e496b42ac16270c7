#pragma once
// The character filters of the answer fields that take letters (the typed word
// tasks, "Wortmuster"), and upper case with the umlauts.
#include <QChar>
#include <QString>
#include <optional>

namespace wortaufgaben {

// What the answer field makes of a typed character; nothing when it is dropped.
enum class Zeichenfilter {
    Grossbuchstaben,  // "A".."Z", "[", "a".."z" made upper case
    WieGetippt,       // "A".."Z", "[", "a".."z" as typed
    MitUmlauten,      // as Grossbuchstaben, and "Ä", "Ö", "Ü", "ä", "ö", "ü" made upper case
    EinsOderZwei,     // "1", "2"
};
std::optional<QChar> filtere(Zeichenfilter filter, QChar c);
// A text put into the field some other way (pasted, dropped): each character
// as if typed, the dropped ones left out.
QString filtere(Zeichenfilter filter, const QString& text);

// a..z to A..Z and ä, ö, ü to Ä, Ö, Ü; every other character as it is ("ß" stays).
QString grossMitUmlauten(const QString& s);

}
