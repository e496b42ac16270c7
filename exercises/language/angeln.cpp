#include "exercises/language/angeln.h"

#include "common/fehler.h"
#include "common/satzdatei.h"
#include "common/textformat.h"
#include "common/zufall.h"

namespace {

constexpr int kHinweisLaenge = 35;
const QChar kLeer = QLatin1Char(' ');

bool istBuchstabe(QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('Z'); }

}

Angelspiel::Aufgabe Angelspiel::Aufgabe::aus(const QString& satz)
{
    Aufgabe a;
    QString hinweis = satz.left(kHinweisLaenge);
    while (hinweis.endsWith(kLeer))
        hinweis.chop(1);
    a.hinweis = textformat::grossAZ(hinweis);
    a.antwort = textformat::grossAZ(satz.mid(kHinweisLaenge, kZeilen));
    return a;
}

Angelspiel::Aufgaben Angelspiel::ziehe()
{
    Satzdatei datei(QStringLiteral("angelwin.dat"), kSatzgroesse);
    if (datei.satzzahl() < kSaetze)
        throw EAFehler(100);
    zufall::randomize();
    Aufgaben aufgaben;
    int i = 0;
    // records 0..159: the draw of 1..160 less one
    for (int k : zufall::ohneWiederholung(kAufgaben, kSaetze)) {
        datei.positioniere(k - 1);
        aufgaben[i++] = Aufgabe::aus(datei.liesText());
    }
    datei.schliesse();
    return aufgaben;
}

int Angelspiel::freieSpalte(int zeile) const
{
    // a scripted or unlucky sequence must not loop for ever: the first free one then
    for (int versuch = 0; versuch < 1000 * kSpalten; ++versuch) {
        const int c = static_cast<int>(zufall::r() * kSpalten);
        if (m_teich[c][zeile] == kLeer)
            return c;
    }
    for (int c = 0; c < kSpalten; ++c)
        if (m_teich[c][zeile] == kLeer)
            return c;
    return -1;
}

void Angelspiel::neu(const Aufgaben& aufgaben)
{
    m_aufgaben = aufgaben;
    for (auto& spalte : m_teich)
        spalte.fill(kLeer);
    // row p holds the p-th letters of all ten answers, each in a column of its own
    for (const Aufgabe& a : m_aufgaben)
        for (int p = 0; p < kZeilen && p < a.antwort.size(); ++p)
            if (istBuchstabe(a.antwort[p]))
                if (const int c = freieSpalte(p); c >= 0)
                    m_teich[c][p] = a.antwort[p];
    for (auto& spalte : m_teich)
        for (QChar& z : spalte)
            if (z == kLeer)
                z = QChar(static_cast<int>(zufall::r() * 26) + 65);
    m_geloest.fill(false);
    m_geloeste = 0;
    m_hilfen = 0;
    m_aktuell = 0;
    m_modus = Modus::Nummer;
    m_punkte = 100.0f;
}

bool Angelspiel::waehle(int n)
{
    if (m_modus != Modus::Nummer || n < 0 || n >= kAufgaben || m_geloest[n])
        return false;
    m_aktuell = n;
    m_modus = Modus::Loesung;
    return true;
}

bool Angelspiel::antworte(const QString& text, Zellen* markiert)
{
    if (m_modus != Modus::Loesung)
        return false;
    m_modus = Modus::Nummer;
    const QString& antwort = m_aufgaben[m_aktuell].antwort;
    if (textformat::grossAZ(text) != antwort) {
        m_punkte -= kKosten;
        return false;
    }
    Zellen zellen;
    zellen.fill(-1);
    for (int p = 0; p < kZeilen && p < antwort.size(); ++p) {
        if (!istBuchstabe(antwort[p]))
            continue;
        for (int c = 0; c < kSpalten; ++c)
            if (m_teich[c][p] == antwort[p]) {
                m_teich[c][p] = kLeer;  // so it is not found again
                zellen[p] = c;
                break;
            }
    }
    if (markiert)
        *markiert = zellen;
    m_geloest[m_aktuell] = true;
    ++m_geloeste;
    m_punkte += 100.0f;
    return true;
}

bool Angelspiel::hilfe()
{
    if (m_hilfen >= kHilfen)
        return false;
    ++m_hilfen;
    m_punkte -= kKosten;
    return true;
}
