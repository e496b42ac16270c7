#include "exercises/language/satzrunde.h"

#include "common/textformat.h"
#include "common/zufall.h"

#include <algorithm>

namespace satzrunde {

namespace {
QString ohneEndblanks(QString s)
{
    while (s.endsWith(QLatin1Char(' ')))
        s.chop(1);
    return s;
}
}

Luecke luecke(const QString& satz)
{
    int von = textformat::strToInt(satz.mid(74, 2).trimmed());
    int bis = textformat::strToInt(satz.mid(76, 2).trimmed());
    von = std::clamp(von, 1, kSatzLaenge);
    bis = std::clamp(bis, von, kSatzLaenge);
    return {von, bis};
}

QString lueckenwort(const QString& satz, Luecke l) { return satz.mid(l.von - 1, l.bis - l.von + 1); }

QString loesung(const QString& satz) { return ohneEndblanks(satz.left(kSatzLaenge)); }

QString mitStrichen(const QString& satz, Luecke l)
{
    QString s = loesung(satz);
    if (l.von - 1 < s.size())
        s.replace(l.von - 1, l.bis - l.von + 1, QStringLiteral("---"));
    return s;
}

void Lueckenrunde::baue(const QStringList& saetze)
{
    m_saetze = saetze;
    while (m_saetze.size() < kSaetze)
        m_saetze << QString();
    for (int k = 0; k < 10; ++k) {
        const int x = zufall::R(kSaetze);
        const int y = zufall::R(kSaetze);
        m_saetze.swapItemsAt(x - 1, y - 1);
    }
    for (auto& spalte : m_zellen)
        spalte.fill(QString());
    m_luecken.clear();
    m_woerter.clear();
    for (const QString& s : m_saetze) {
        m_luecken.push_back(luecke(s));
        m_woerter << lueckenwort(s, m_luecken.back());
    }
    for (int i = 0; i < kSaetze; ++i) {
        // drawn until empty, as a person would see it; a capped draw ends in any case
        int s = 0, z = 0;
        for (int versuch = 0; versuch < 1000; ++versuch) {
            s = zufall::R(kSpalten) - 1;
            z = zufall::R(kZeilen) - 1;
            if (m_zellen[s][z].isEmpty())
                break;
        }
        for (int n = 0; !m_zellen[s][z].isEmpty() && n < kSpalten * kZeilen; ++n) {
            s = n / kZeilen;
            z = n % kZeilen;
        }
        m_zellen[s][z] = m_woerter[i];
    }
}

QString Lueckenrunde::zelle(int spalte, int zeile) const
{
    if (spalte < 1 || spalte > kSpalten || zeile < 1 || zeile > kZeilen)
        return {};
    return m_zellen[spalte - 1][zeile - 1];
}

bool Lueckenrunde::richtig(int i, int spalte, int zeile) const
{
    if (i < 1 || i > m_woerter.size() || spalte < 1 || spalte > kSpalten || zeile < 1 || zeile > kZeilen)
        return false;
    return m_zellen[spalte - 1][zeile - 1] == m_woerter[i - 1];
}

void Haelftenrunde::baue(const QStringList& saetze)
{
    m_erste.clear();
    m_zweite.clear();
    for (int i = 0; i < kSaetze; ++i) {
        const QString s = i < saetze.size() ? saetze[i] : QString();
        m_erste << s.left(kHaelfte);
        m_zweite << s.mid(kHaelfte, kHaelfte);
    }
    m_spalte = m_zweite;
    for (int k = 0; k < 10; ++k) {
        const int x = zufall::R(kSaetze);
        const int y = zufall::R(kSaetze);
        m_spalte.swapItemsAt(x - 1, y - 1);
    }
}

QString Haelftenrunde::ganz(int i) const
{
    return ohneEndblanks(erste(i)) + QLatin1Char(' ') + ohneEndblanks(zweite(i));
}

QString Haelftenrunde::zeile(int z) const { return z >= 1 && z <= m_spalte.size() ? m_spalte[z - 1] : QString(); }

bool Haelftenrunde::richtig(int i, int z) const
{
    return i >= 1 && i <= m_zweite.size() && z >= 1 && z <= m_spalte.size() && m_spalte[z - 1] == m_zweite[i - 1];
}

}
