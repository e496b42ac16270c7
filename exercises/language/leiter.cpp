#include "exercises/language/leiter.h"

#include "common/zufall.h"
#include "platform/tasten.h"

#include <algorithm>

namespace leiter {

namespace {

constexpr int kVersteckt = 18;  // length of hint 4
// a scripted sequence could keep a scramble equal to the answer for ever
constexpr int kRunden = 1000;

QString ohneEndblanks(QString s)
{
    while (s.endsWith(QLatin1Char(' ')))
        s.chop(1);
    return s;
}

// Trunc(r x n + 1): 1 to n.
int position(int n) { return static_cast<int>(zufall::r() * n + 1); }

// no two different letters (or none at all)
bool einerlei(const QString& s)
{
    return std::all_of(s.begin(), s.end(), [&](QChar c) { return c == s.front(); });
}

}

QString gross(const QString& text)
{
    QString s = text;
    for (QChar& c : s) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
        else if (c == u'ä')
            c = u'Ä';
        else if (c == u'ö')
            c = u'Ö';
        else if (c == u'ü')
            c = u'Ü';
    }
    return s;
}

Eintrag lies(const QString& satz)
{
    // mid() past the end is empty: a record of 70 characters or fewer has no answer
    return {gross(ohneEndblanks(satz.left(kHinweislaenge))),
            gross(ohneEndblanks(satz.mid(kHinweislaenge, kKapazitaet - kHinweislaenge)))};
}

int feldzeichen(int zeichen)
{
    if (zeichen == taste::kRueck || zeichen == taste::kEnter || zeichen == taste::kEsc)
        return zeichen;
    const QChar c(zeichen);
    const bool buchstabe = (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
                           || QStringLiteral("ÄÖÜßäöü").contains(c);
    return buchstabe ? gross(QString(c)).at(0).unicode() : 0;
}

bool beurteilbar(const QString& text) { return !text.isEmpty() && text.size() <= kFeldlaenge; }

bool richtig(const QString& getippt, const QString& antwort) { return gross(getippt) == antwort; }

float gewinn(int versuch) { return 120.0f - 20.0f * versuch; }

QString hilfe(int versuch, const QString& antwort)
{
    const QString erster = antwort.left(1);
    switch (versuch) {
    case 1: return QStringLiteral("Anfangsbuchstabe: ") + erster;
    case 2: return erster + QString(std::max<qsizetype>(antwort.size() - 1, 0), QLatin1Char('?'));
    case 3: return vermischt(antwort);
    case 4: return versteckt(antwort);
    default: return {};
    }
}

QString vermischt(const QString& antwort)
{
    if (einerlei(antwort))
        return antwort;
    const int n = antwort.size();
    for (int runde = 0; runde < kRunden; ++runde) {
        QString s = antwort;
        for (int zug = 0; zug < 10; ++zug) {
            const int a = position(n);
            const int b = position(n);
            const QChar c = s.at(a - 1);
            s.remove(a - 1, 1);
            // before position b of the shortened text, at its end when b = n
            s.insert(b - 1, c);
        }
        if (s != antwort)
            return s;
    }
    // the letters not all alike: turned by one, they differ
    return antwort.mid(1) + antwort.left(1);
}

QString versteckt(const QString& antwort)
{
    const int n = antwort.size();
    if (n >= kVersteckt)
        return antwort;
    QString s;
    for (int i = 0; i < kVersteckt - n; ++i)
        s += QChar(static_cast<int>(zufall::r() * 26 + 65));
    // the answer begins at position p, at the start when p is 0
    const int p = static_cast<int>(zufall::r() * (kVersteckt + 1 - n));
    s.insert(std::max(p - 1, 0), antwort);
    return s;
}

}
