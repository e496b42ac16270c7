#include "exercises/reaction/ketten.h"

#include "common/fehler.h"
#include "common/zufall.h"

#include <QStringList>
#include <array>

namespace ketten {

namespace {

const QString kZiffernzeile = QStringLiteral("0 1 2 3 4 5 6 7 8 9 ");

QChar zufallsbuchstabe() { return QChar(u'A' + zufall::R(26) - 1); }

QString kette(int laenge, QChar (*zeichen)())
{
    QString k;
    for (int i = 0; i < laenge; ++i)
        k += zeichen();
    return k;
}

QChar zufallsziffer() { return QChar(u'0' + zufall::R(10) - 1); }

// Draws letters not yet in the key until it holds ten; drawing among the free
// letters gives each the chance a draw-until-new gives it, and always ends.
void fuelleSchluessel(std::array<bool, 26>& drin, QString* reihenfolge)
{
    int anzahl = 0;
    for (bool b : drin)
        anzahl += b;
    while (anzahl < 10) {
        std::vector<int> frei;
        for (int l = 0; l < 26; ++l)
            if (!drin[l])
                frei.push_back(l);
        const int l = frei[zufall::R(static_cast<int>(frei.size())) - 1];
        drin[l] = true;
        if (reihenfolge)
            *reihenfolge += QChar(u'A' + l);
        ++anzahl;
    }
}

QString mitBlanks(const QString& buchstaben)
{
    QString s;
    for (QChar c : buchstaben)
        s += c + QLatin1Char(' ');
    return s;
}

}

void schritt(Stufe& s, bool richtig, int minimum)
{
    s.bilanz += richtig ? 1 : -1;
    if (s.bilanz == 2) {
        s.bilanz = 0;
        if (s.laenge < kHoechstlaenge)
            ++s.laenge;
    } else if (s.bilanz == -2) {
        s.bilanz = 0;
        if (s.laenge > minimum)
            --s.laenge;
    }
}

Aufgabe zeilen(int laenge, Wortvorrat&)
{
    const QString k = kette(laenge, zufallsbuchstabe);
    const int t = zufall::R(5);
    QStringList liste;
    for (int i = 1; i <= 5; ++i) {
        QString zeile = k;
        // two steps that leave the line different from the chain; a step back
        // to the chain does not count
        int gezaehlt = 0;
        for (int versuch = 0; i != t && gezaehlt < 2; ++versuch) {
            if (versuch > 10000) {
                // only a scripted sequence gets here: make the line differ
                zeile[0] = QChar(u'A' + (k[0].unicode() - u'A' + 1) % 26);
                break;
            }
            zeile[zufall::R(laenge) - 1] = zufallsbuchstabe();
            if (zeile != k)
                ++gezaehlt;
        }
        liste << QStringLiteral("%1)  %2").arg(i).arg(zeile);
    }
    return {k, liste.join(QLatin1Char('\n')), QString::number(t)};
}

Aufgabe buchstaben(int laenge, Wortvorrat&)
{
    const QString k = kette(laenge, zufallsbuchstabe);
    return {k, {}, k};
}

Aufgabe ziffern(int laenge, Wortvorrat&)
{
    const QString k = kette(laenge, zufallsziffer);
    return {k, {}, k};
}

Aufgabe schluessel(int laenge, Wortvorrat&)
{
    std::array<bool, 26> drin{};
    QString key;  // the k-th letter stands for the digit k
    fuelleSchluessel(drin, &key);
    const QString loesung = kette(laenge, zufallsziffer);
    QString code;
    for (QChar d : loesung)
        code += key[d.unicode() - u'0'] + QLatin1Char(' ');
    return {code, kZiffernzeile + QLatin1Char('\n') + mitBlanks(key), loesung};
}

int groessteLaenge(int r) { return r <= 5 ? 5 : r <= 10 ? 6 : 8; }

QString grossAZ(const QString& wort)
{
    QString g;
    for (QChar c : wort) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
        if (c < u'A' || c > u'Z')
            return {};
        g += c;
    }
    return g;
}

Aufgabe wortschluessel(int, Wortvorrat& vorrat)
{
    const int n = static_cast<int>(vorrat.woerter.size());
    vorrat.benutzt.resize(n, false);
    const int hoechstens = groessteLaenge(vorrat.richtige);
    auto kandidaten = [&] {
        std::vector<int> k;
        for (int i = 0; i < n; ++i) {
            const QString w = grossAZ(vorrat.woerter[i]);
            if (!vorrat.benutzt[i] && !w.isEmpty() && w.size() <= hoechstens)
                k.push_back(i);
        }
        return k;
    };
    std::vector<int> k = kandidaten();
    if (k.empty()) {
        // every fitting word has been offered: they may come again
        std::fill(vorrat.benutzt.begin(), vorrat.benutzt.end(), false);
        k = kandidaten();
    }
    if (k.empty())
        throw VelmoraFehler(QStringLiteral("Die ersten 150 Wörter der Wortliste \"begriffe.dat\" enthalten kein Wort "
                                           "aus höchstens %1 Buchstaben A bis Z.")
                                .arg(hoechstens));
    const int i = k[zufall::R(static_cast<int>(k.size())) - 1];
    vorrat.benutzt[i] = true;
    const QString wort = grossAZ(vorrat.woerter[i]);

    std::array<bool, 26> drin{};
    for (QChar c : wort)
        drin[c.unicode() - u'A'] = true;
    fuelleSchluessel(drin, nullptr);
    std::array<int, 26> ziffer{};
    QString key;
    for (int l = 0; l < 26; ++l)
        if (drin[l]) {
            ziffer[l] = static_cast<int>(key.size());
            key += QChar(u'A' + l);
        }
    QString code;
    for (QChar c : wort)
        code += QString::number(ziffer[c.unicode() - u'A']);
    return {code, kZiffernzeile + QLatin1Char('\n') + mitBlanks(key), wort};
}

}
