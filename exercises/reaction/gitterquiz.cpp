#include "exercises/reaction/gitterquiz.h"

#include "common/zufall.h"

#include <algorithm>
#include <vector>

namespace gitterquiz {

namespace {

QChar buchstabe() { return QChar(u'A' + zufall::R(26) - 1); }
QChar ziffer() { return QChar(u'0' + zufall::R(9)); }
bool istZiffer(QChar c) { return c >= u'1' && c <= u'9'; }

Aufgabe leer()
{
    Aufgabe a;
    a.feld.fill(kLeer);
    return a;
}

// A random cell that frei accepts; the callers always leave one.
template <typename Frei> int zelle(const Gitter& g, Frei frei)
{
    for (;;) {
        const int z = zufall::R(36) - 1;
        if (frei(g[z]))
            return z;
    }
}

int leereZelle(const Gitter& g)
{
    return zelle(g, [](QChar c) { return c == kLeer; });
}

// n characters from ziehe, each different from those before when verschieden,
// each put into an empty cell: the character is drawn first, then its cell.
// Returns the cells in the order drawn.
template <typename Ziehe> std::vector<int> verteile(Aufgabe& a, int n, bool verschieden, Ziehe ziehe, QString& gezogen)
{
    std::vector<int> zellen;
    for (int i = 0; i < n; ++i) {
        QChar c;
        do
            c = ziehe();
        while (verschieden && gezogen.contains(c));
        gezogen += c;
        const int z = leereZelle(a.feld);
        a.feld[z] = c;
        zellen.push_back(z);
    }
    return zellen;
}

QString summe(const QString& ziffern)
{
    int s = 0;
    for (QChar c : ziffern)
        s += c.unicode() - u'0';
    return QString::number(s);
}

QString sortiert(QString s)
{
    std::sort(s.begin(), s.end());
    return s;
}

}

std::optional<QChar> filtere(Zeichenklasse klasse, QChar c)
{
    switch (klasse) {
    case Zeichenklasse::Ziffern09:
        if (c >= u'0' && c <= u'9')
            return c;
        break;
    case Zeichenklasse::Ziffern19:
        if (istZiffer(c))
            return c;
        break;
    case Zeichenklasse::Buchstaben:
        if (c >= u'A' && c <= u'Z')
            return c;
        // a to z only: a library upper-case would also take umlauts and ß
        if (c >= u'a' && c <= u'z')
            return QChar(c.unicode() - u'a' + u'A');
        break;
    }
    return std::nullopt;
}

int stufe(const Stufenregel& regel, int aufgabe, int richtige)
{
    int s = regel.start;
    if (regel.jeAufgaben > 0)
        s += (aufgabe - 1) / regel.jeAufgaben;
    else if (regel.schritt > 0)
        s += richtige / regel.schritt;
    return std::min(s, regel.hoechstens);
}

Aufgabe doppelbuch(int l)
{
    zufall::randomize();
    // L + 4 distinct letters need L + 4 <= 26
    const int n = std::clamp(l, 0, 22) + 4;
    Aufgabe a = leer();
    QString gezogen;
    const std::vector<int> zellen = verteile(a, n, true, buchstabe, gezogen);
    a.feld[zellen[n - 2]] = gezogen[n - 1];
    a.loesung = gezogen.right(1);
    return a;
}

Aufgabe ziffInBuch(int n)
{
    zufall::randomize();
    Aufgabe a = leer();
    QString buchstaben;
    verteile(a, 30, false, buchstabe, buchstaben);
    // each digit in a cell without a digit, so at most 36 of them
    QString ziffern;
    for (int i = std::clamp(n, 1, 36); i > 0; --i) {
        const QChar c = ziffer();
        ziffern += c;
        a.feld[zelle(a.feld, [](QChar z) { return !istZiffer(z); })] = c;
    }
    a.loesung = summe(ziffern);
    return a;
}

Aufgabe unterschiede(int)
{
    zufall::randomize();
    Aufgabe a = leer();
    QString zeile;
    for (int i = 0; i < 8; ++i)
        zeile += buchstabe() + QStringLiteral(" ");
    const int k = zufall::R(3);
    QString geaendert = zeile;
    for (int stelle : zufall::ohneWiederholung(k, 8)) {
        QChar& c = geaendert[2 * (stelle - 1)];
        QChar neu;
        do
            neu = buchstabe();
        while (neu == c);
        c = neu;
    }
    a.aus1 = geaendert;
    a.aus2 = zeile;
    a.loesung = QString::number(k);
    return a;
}

Aufgabe zifferFehlt(int)
{
    zufall::randomize();
    Aufgabe a = leer();
    const int m = zufall::R(9);
    for (int d = 1; d <= 9; ++d)
        if (d != m)
            a.feld[leereZelle(a.feld)] = QChar(u'0' + d);
    a.loesung = QString::number(m);
    return a;
}

Aufgabe buchsort(int n)
{
    zufall::randomize();
    Aufgabe a = leer();
    QString gezogen;
    verteile(a, std::clamp(n, 1, 26), true, buchstabe, gezogen);
    a.loesung = sortiert(gezogen);
    return a;
}

Aufgabe ziffsort(int n)
{
    zufall::randomize();
    Aufgabe a = leer();
    QString gezogen;
    verteile(a, std::clamp(n, 1, 9), true, ziffer, gezogen);
    a.loesung = sortiert(gezogen);
    return a;
}

Aufgabe ziffernsumme(int n)
{
    zufall::randomize();
    Aufgabe a = leer();
    QString gezogen;
    verteile(a, std::clamp(n, 1, 36), false, ziffer, gezogen);
    a.loesung = summe(gezogen);
    return a;
}

}
