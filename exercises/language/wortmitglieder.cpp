#include "exercises/language/wortmitglieder.h"

#include "common/satzdatei.h"
#include "exercises/language/hoehlen.h"
#include "platform/farben.h"
#include "exercises/shared/wortliste.h"
#include "platform/farben.h"

#include <map>

namespace {

const QColor& kAktiverRahmen = farbe::aktiverRahmen();
const QColor& kRollbalken = farbe::rollbalken();

QStringList ersteBegriffe()
{
    QStringList t;
    for (const TBegriff& w : wortliste::ersteWoerter())
        t << w;
    return t;
}
QStringList ergaenzungen200() { return Satzdatei::liesTexte(QStringLiteral("bucherg.dat"), 61, 200); }
QStringList ergaenzungen240() { return Satzdatei::liesTexte(QStringLiteral("bucherg.dat"), 61, 240); }
QStringList wahlsaetze() { return Satzdatei::liesTexte(QStringLiteral("wahlwin.dat"), 93, 120); }
QStringList hoehlenworte()
{
    QStringList t;
    for (const hoehlen::Kategorie& k : hoehlen::tabelle())
        for (const QString& e : k.eintraege)
            t << e;
    return t;
}

bool kuerzerAlsSieben(const QString& wort) { return wort.size() < 7; }

Wortaufgabe tippen(const QStringList& t, int i) { return wortaufgaben::tippaufgabe(t[i]); }
Wortaufgabe vokale(const QStringList& t, int i) { return wortaufgaben::vokalaufgabe(t[i]); }
Wortaufgabe anagramm(const QStringList& t, int i) { return wortaufgaben::anagrammaufgabe(t[i]); }
Wortaufgabe ergaenzen(const QStringList& t, int i) { return wortaufgaben::ergaenzaufgabe(t[i]); }
Wortaufgabe auswahl(const QStringList& t, int i) { return wortaufgaben::auswahlaufgabe(t[i]); }
Wortaufgabe hoehle(const QStringList& t, int i)
{
    return wortaufgaben::hoehlenaufgabe(hoehlen::tabelle()[i / hoehlen::kEintraege].name, t[i]);
}

using wortaufgaben::Zeichenfilter;

constexpr Anteil kVierFuenftel{4, 5};
constexpr Anteil kZweiFuenftel{2, 5};

std::map<int, Wortmitglied> baue()
{
    const Kasten gelb96{farbe::gelb, 96, kVierFuenftel, 0, {1, 10}};
    const Kasten grau96{kRollbalken, 96, kVierFuenftel, 0, {1, 10}};
    const Kasten memo96{kAktiverRahmen, 96, kVierFuenftel, 0, {7, 20}};
    std::map<int, Wortmitglied> m;
    m[37] = {37, QStringLiteral("Twor02"), QStringLiteral("Begriffe tippen"), ersteBegriffe, kuerzerAlsSieben, tippen,
             Zeichenfilter::Grossbuchstaben, 12, 9, Fehleranzeige::Nichts, gelb96, false, memo96, {2, 5},
             kVierFuenftel, QStringLiteral("weiter")};
    m[38] = {38, QStringLiteral("Tkon02"), QStringLiteral("Lesen"), ersteBegriffe, kuerzerAlsSieben, tippen,
             Zeichenfilter::Grossbuchstaben, 12, 9, Fehleranzeige::MemoImmer,
             {farbe::gelb, 96, {1, 5}, 0, {1, 10}}, true, memo96, {3, 5}, kZweiFuenftel, QStringLiteral("weiter")};
    m[38].buchstabenweise = true;
    m[39] = {39, QStringLiteral("Tdeu02"), QStringLiteral("Ergänzen"), ergaenzungen240, nullptr, ergaenzen,
             Zeichenfilter::Grossbuchstaben, 0, 0, Fehleranzeige::AusgabeRot, grau96, true,
             {farbe::gelb, 96, kVierFuenftel, 0, {7, 20}}, {3, 5}, kZweiFuenftel, QStringLiteral("Enter")};
    m[39].lueckenweise = true;
    m[40] = {40, QStringLiteral("Twor04"), QStringLiteral("Worthöhlen"), hoehlenworte, nullptr, hoehle,
             Zeichenfilter::MitUmlauten, 8, 9, Fehleranzeige::MemoWort, {farbe::gelb, 48, kVierFuenftel, 0, {1, 10}},
             true, memo96, {3, 5}, kZweiFuenftel, QStringLiteral("weiter")};
    // The words of "bucherg.dat" are up to 20 letters long: the field holds
    // them all and every one can be judged.
    m[42] = {42, QStringLiteral("Twor03"), QStringLiteral("Vokale fehlen"), ergaenzungen200, nullptr, vokale,
             Zeichenfilter::Grossbuchstaben, 20, 20, Fehleranzeige::MemoWort, gelb96, true, memo96, {3, 5},
             kZweiFuenftel, QStringLiteral("weiter")};
    m[43] = {43, QStringLiteral("Tdeu03"), QStringLiteral("Anagramme"), ergaenzungen200, nullptr, anagramm,
             Zeichenfilter::WieGetippt, 20, 20, Fehleranzeige::AusgabeRot, grau96, true,
             {farbe::fuchsia, 96, kVierFuenftel, 0, {7, 20}}, {3, 5}, kZweiFuenftel, QStringLiteral("weiter")};
    m[49] = {49, QStringLiteral("Tdeu05"), QStringLiteral("Auswahl"), wahlsaetze, nullptr, auswahl,
             Zeichenfilter::EinsOderZwei, 1, 19, Fehleranzeige::Nichts, {kRollbalken, 29, kVierFuenftel, 481, {1, 5}},
             true, {kAktiverRahmen, 29, kVierFuenftel, 481, {2, 5}}, {3, 5}, {1, 10}, QStringLiteral("Enter")};
    m[49].silberrahmen = true;
    return m;
}

const std::map<int, Wortmitglied>& tabelle()
{
    static const std::map<int, Wortmitglied> t = baue();
    return t;
}

}

const Wortmitglied& wortmitglied(int programm) { return tabelle().at(programm); }

const std::vector<int>& wortprogramme()
{
    static const std::vector<int> p = [] {
        std::vector<int> v;
        for (const auto& [n, _] : tabelle())
            v.push_back(n);
        return v;
    }();
    return p;
}
