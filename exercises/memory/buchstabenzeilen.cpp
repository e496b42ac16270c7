#include "exercises/memory/buchstabenzeilen.h"

#include "common/zufall.h"

#include <algorithm>
#include <array>
#include <vector>

namespace zeilen {

namespace {

const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");

// A line can hold at most 26 different letters, and a piece needs four.
int begrenzt(int laenge) { return std::clamp(laenge, 4, kHoechstlaenge); }

// laenge different letter numbers 1 to 26, in the order drawn.
std::vector<int> zieheBuchstaben(int laenge)
{
    zufall::randomize();
    std::array<bool, 27> benutzt{};
    std::vector<int> z;
    while (static_cast<int>(z.size()) < laenge) {
        const int b = zufall::R(26);
        if (!benutzt[b]) {
            benutzt[b] = true;
            z.push_back(b);
        }
    }
    return z;
}

QString alsText(const std::vector<int>& z)
{
    QString s;
    for (int b : z)
        s += QChar(64 + b);
    return s;
}

}

Aufgabe kette(int laenge)
{
    const int n = begrenzt(laenge);
    for (;;) {
        std::vector<int> z = zieheBuchstaben(n);
        // break the runs the draw made by chance
        for (int i = 0; i + 2 < n; ++i)
            if (z[i + 1] == z[i] + 1 && z[i + 2] == z[i] + 2)
                z[i] += z[i] < n / 2 ? 1 : -1;
        const int a = zufall::R(24);
        const int p = zufall::R(n - 2);  // from 1
        z[p - 1] = a;
        z[p] = a + 1;
        z[p + 1] = a + 2;
        // no run of four
        if (p > 1 && z[p - 2] == a - 1)
            z[p - 2] = a + 2;
        if (p < n - 2 && z[p + 2] == a + 3)
            z[p + 2] = a;
        // A broken run can form a new one with the two letters before it, and
        // the placed run repeats letters of the row: only a row whose one run
        // is the placed one has a single answer.
        const QString reihe = alsText(z);
        if (laeufe(reihe) == QList<int>{p - 1})
            return {kAlphabet, reihe, QChar(64 + a)};
    }
}

Aufgabe muster(int laenge)
{
    const int n = begrenzt(laenge);
    const QString zeile = alsText(zieheBuchstaben(n));
    const int q = zufall::R(n - 3);
    QString stueck = zeile.mid(q - 1, 4);
    int frage = 0;
    int luecke = 0;
    do {
        frage = zufall::R(4);
        luecke = zufall::R(4);
    } while (frage == luecke);
    const QChar loesung = stueck[frage - 1];
    stueck[frage - 1] = QLatin1Char('?');
    stueck[luecke - 1] = QLatin1Char('_');
    return {zeile, stueck, loesung};
}

QList<int> laeufe(const QString& zeile)
{
    QList<int> orte;
    for (int i = 0; i + 2 < zeile.size(); ++i) {
        const char16_t c = zeile[i].unicode();
        if (zeile[i + 1].unicode() == c + 1 && zeile[i + 2].unicode() == c + 2)
            orte << i;
    }
    return orte;
}

void zaehleRichtig(int& laenge, int& zaehler)
{
    if (++zaehler < 2)
        return;
    zaehler = 0;
    laenge = std::min(laenge + 1, kHoechstlaenge);
}

std::optional<QChar> filtere(QChar c)
{
    if (c >= u'A' && c <= u'Z')
        return c;
    // a to z only: a library upper-case would also take umlauts and ß
    if (c >= u'a' && c <= u'z')
        return QChar(c.unicode() - u'a' + u'A');
    return std::nullopt;
}

}
