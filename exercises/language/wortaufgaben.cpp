#include "exercises/language/wortaufgaben.h"

#include "common/textformat.h"
#include "common/zufall.h"

#include <QRegularExpression>
#include <algorithm>

namespace wortaufgaben {

using textformat::grossAZ;

bool gleich(const QString& antwort, const QString& loesung) { return grossAZ(antwort) == grossAZ(loesung); }

QString feld(const QString& satz, int von, int bis)
{
    QString t = satz.mid(von - 1, bis - von + 1);
    while (t.endsWith(QLatin1Char(' ')))
        t.chop(1);
    return t;
}

QString ohneVokale(const QString& wort)
{
    QString t = grossAZ(wort);
    t.remove(QRegularExpression(QStringLiteral("[AEIOU]")));
    return t;
}

QString verwuerfle(const QString& wort)
{
    const int n = static_cast<int>(wort.size());
    QString t = wort;
    // A scripted or unlucky sequence may keep giving the word back; after many
    // rounds the word is turned round by one place, which always differs when
    // it holds two different characters.
    for (int runde = 0; runde < 200 && t == wort; ++runde) {
        for (int zug = 0; zug < 5 && n > 0; ++zug) {
            const int a = zufall::R(n);
            const int b = zufall::R(n);
            const QChar c = t[a - 1];
            t.remove(a - 1, 1);
            t.insert(std::min(b - 1, static_cast<int>(t.size())), c);
        }
    }
    for (int k = 0; k < n && t == wort; ++k)
        t = t.mid(1) + t.left(1);
    return t;
}

Wortaufgabe tippaufgabe(const QString& begriff)
{
    Wortaufgabe a;
    a.ausgabe = begriff;
    a.loesung = begriff;
    a.wort = begriff;
    return a;
}

Wortaufgabe vokalaufgabe(const QString& satz)
{
    Wortaufgabe a;
    a.loesung = a.wort = feld(satz, 21, 40);
    a.memo = feld(satz, 41, 60);
    a.ausgabe = ohneVokale(a.wort);
    return a;
}

Wortaufgabe anagrammaufgabe(const QString& satz)
{
    Wortaufgabe a;
    a.loesung = a.wort = feld(satz, 21, 40);
    a.ausgabe = feld(satz, 41, 60);
    a.memo = verwuerfle(a.wort);
    return a;
}

Wortaufgabe ergaenzaufgabe(const QString& satz)
{
    Wortaufgabe a;
    a.memo = feld(satz, 1, 20);
    a.loesung = a.wort = feld(satz, 21, 40);
    a.hinweis = feld(satz, 41, 60);
    return a;
}

Wortaufgabe auswahlaufgabe(const QString& satz)
{
    Wortaufgabe a;
    a.memo = feld(satz, 1, 60);
    a.ausgabe = QStringLiteral("1) ") + feld(satz, 61, 75) + QStringLiteral("     2) ") + feld(satz, 76, 90);
    a.loesung = satz.mid(90, 1);
    return a;
}

Wortaufgabe hoehlenaufgabe(const QString& kategorie, const QString& eintrag)
{
    // word + "," + S + L: the hidden word is the L characters from position S
    Wortaufgabe a;
    a.memo = kategorie;
    const QString wort = eintrag.left(eintrag.size() - 3);
    a.ausgabe = grossAZ(wort);
    const int s = eintrag.size() >= 2 ? eintrag[eintrag.size() - 2].digitValue() : 1;
    const int l = eintrag.size() >= 1 ? eintrag[eintrag.size() - 1].digitValue() : 0;
    a.loesung = a.wort = grossAZ(wort.mid(std::max(s, 1) - 1, std::max(l, 0)));
    return a;
}

Lueckenwort::Lueckenwort(const QString& maske, const QString& wort) : m_maske(maske), m_wort(wort), m_text(maske)
{
    for (int i = 0; i < maske.size(); ++i)
        if (maske[i] == QLatin1Char('-'))
            m_luecken.push_back(i);
}

void Lueckenwort::tippe(QChar c)
{
    if (fertig())
        return;
    const int p = m_luecken[m_naechste];
    const bool kleinImWort = p < m_wort.size() && m_wort[p].unicode() > 90;
    m_text[p] = kleinImWort ? QChar(c.unicode() + 32) : c;
    ++m_naechste;
}

void Lueckenwort::zuruecknehmen()
{
    m_text = m_maske;
    m_naechste = 0;
}

}
