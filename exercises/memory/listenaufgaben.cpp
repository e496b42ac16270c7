#include "exercises/memory/listenaufgaben.h"

#include "common/fehler.h"
#include "common/satzdatei.h"
#include "common/textformat.h"
#include "common/zufall.h"

#include <algorithm>
#include <utility>

namespace listen {

const QStringList& vornamen()
{
    static const QStringList namen{
        QStringLiteral("Dieter"),   QStringLiteral("Hans"),      QStringLiteral("Gernot"),
        QStringLiteral("Thorsten"), QStringLiteral("Hermann"),   QStringLiteral("Michael"),
        QStringLiteral("Olaf"),     QStringLiteral("Friedhelm"), QStringLiteral("Peter"),
        QStringLiteral("Georg"),    QStringLiteral("Herbert"),   QStringLiteral("Stefan"),
        QStringLiteral("Karl"),     QStringLiteral("Horst"),     QStringLiteral("Jens"),
        QStringLiteral("Heike"),    QStringLiteral("Sabine"),    QStringLiteral("Alexandra"),
        QStringLiteral("Claudia"),  QStringLiteral("Inge"),      QStringLiteral("Elke"),
        QStringLiteral("Saskia"),   QStringLiteral("Christina"), QStringLiteral("Silke"),
        QStringLiteral("Astrid"),   QStringLiteral("Rebecca"),   QStringLiteral("Katja"),
        QStringLiteral("Simone"),   QStringLiteral("Nadine"),    QStringLiteral("Andrea"),
    };
    return namen;
}

const std::vector<Aussage>& aussagen()
{
    auto s = [](const char* t) { return QString::fromUtf8(t); };
    static const std::vector<Aussage> tabelle{
        {s("Wann ist Konferenzbeginn?  14"), s("Um @ Uhr ist Konferenzbeginn.")},
        {s("Wann ist Gehaltsauszahlung?  24"), s("Am @. ist Gehaltsauszahlung.")},
        {s("Wie hoch ist das Durchschnittsalter der Bevölkerung?  43"),
         s("Das Durchschnittsalter der Bevölkerung beträgt @ Jahre.")},
        {s("Wieviel Prozent aller Haushalte besitzen ein TV - Gerät?  93"),
         s("@ Prozent der Bevölkerung besitzen ein TV-Gerät.")},
        {s("Wie viele Lehrlinge wurden heute eingestellt?  12"), s("Heute wurden @ Lehrlinge eingestellt.")},
        {s("Wie viele Sekretärinnen fahren zum Seminar?  13"), s("Es fahren @ Sekretärinnen zum Seminar.")},
        {s("Wie viele Elektriker garantieren die Stromversorgung?   9"),
         s("@ Elektriker garantieren die Stromversorgung.")},
        {s("Wie viele Prüflinge bestanden das Examen?  72"), s("@ Prüflinge bestanden das Examen.")},
        {s("Wie viele Angestellte erreichen das Pensionsalter?  28"), s("@ Angestellte erreichen das Pensionsalter.")},
        {s("Wie viele Mitarbeiter feiern Jubiläum?  30"), s("@ Mitarbeiter feiern Jubiläum.")},
        {s("Wie viele Arbeiter erlitten schwere Unfälle?  12"), s("@ Arbeiter erlitten schwere Unfälle.")},
        {s("Welche Rufnummer hat der Arzt?2546"), s("Der Arzt hat die Rufnummer @.")},
        {s("Wieviel Prozent der Gäste kamen aus Norddeutschland?  42"),
         s("@ Prozent der Gäste kamen aus Norddeutschland.")},
        {s("Wieviel Prozent waren für den Olympiaboykott?  53"),
         s("@ Prozent der Gäste waren für den Olympiaboykott.")},
        {s("Mit wieviel Prozent wurde der Präsident wiedergewählt?  56"),
         s("Der Präsident wurde mit @ Prozent wiedergewählt.")},
        {s("Wieviel Prozent wurden beim Großeinkauf gespart?  13"), s("Beim Großeinkauf wurden @ Prozent gespart.")},
        {s("Wann war Goldene Hochzeit?1994"), s("@ war Goldene Hochzeit.")},
        {s("Welche Abteilung machte den höchsten Umsatz?   5"), s("Die Abteilung @ machte den höchsten Umsatz.")},
        {s("Wie viele Mitarbeiter hat die Abteilung A?  10"), s("Die Abteilung A hat @ Mitarbeiter.")},
        {s("Für wie viele Personen wurde das Essen bestellt?   5"), s("Das Essen wurde für @ Personen bestellt.")},
        {s("Wie viele Musikstücke enthält die CD?   3"), s("Die CD enthält @ Musikstücke.")},
        {s("Wie viele Personen sind auf dem Bild zu sehen?   2"), s("Auf dem Bild sind @ Personen zu sehen.")},
        {s("Aus wie vielen Räumen besteht die Wohnung?   2"), s("Die Wohnung besteht aus @ Räumen.")},
        {s("Wie viele Schüler fehlten wegen Krankheit?   3"), s("Es fehlten @ Schüler wegen Krankheit.")},
        {s("Wie viele Waggons hat der Güterzug?  23"), s("Der Güterzug enthält @ Waggons.")},
    };
    return tabelle;
}

int basis(const Aussage& a) { return textformat::strToInt(a.frage.right(4)); }

QString frageOhneBasis(const Aussage& a) { return a.frage.left(a.frage.size() - 4); }

namespace {

// A row not flagged yet, drawn as 1..size until one comes up; the callers
// never ask for more rows than are free, which the check makes sure of.
int ziehe(std::vector<bool>& benutzt)
{
    if (std::find(benutzt.begin(), benutzt.end(), false) == benutzt.end())
        throw VelmoraFehler(QStringLiteral("Die Tabelle hat keinen freien Eintrag mehr."));
    int v;
    do
        v = zufall::R(static_cast<int>(benutzt.size()));
    while (benutzt[v - 1]);
    benutzt[v - 1] = true;
    return v;
}

}

std::vector<Posten> personen(int n, std::vector<bool>& benutzt)
{
    benutzt.resize(vornamen().size(), false);
    zufall::randomize();
    std::vector<Posten> runde;
    for (int k = 1; k <= n; ++k) {
        const QString name = vornamen().at(ziehe(benutzt) - 1);
        const int alter = static_cast<int>(zufall::r() * 50 + 15);
        runde.push_back({QString::number(alter) + QStringLiteral("  ") + name, name, alter});
    }
    return runde;
}

std::vector<Posten> aufgabe(int n, std::vector<bool>& benutzt)
{
    zufall::randomize();
    benutzt.assign(aussagen().size(), false);
    std::vector<Posten> runde;
    for (int k = 1; k <= n; ++k) {
        const Aussage& a = aussagen().at(ziehe(benutzt) - 1);
        const int zahl = basis(a) + static_cast<int>(zufall::r() * 5);
        QString satz = a.satz;
        satz.replace(QLatin1Char('@'), QString::number(zahl));
        runde.push_back({satz, frageOhneBasis(a), zahl});
    }
    return runde;
}

void tausche(std::vector<Posten>& posten)
{
    const double n = static_cast<double>(posten.size());
    for (int t = 0; t < 10; ++t) {
        const int i = static_cast<int>(zufall::r() * n + 1);
        const int j = static_cast<int>(zufall::r() * n + 1);
        std::swap(posten.at(i - 1), posten.at(j - 1));
    }
}

std::vector<Stadt> liesStaedte()
{
    Satzdatei datei(QStringLiteral("stadtwin.dat"), 21);
    if (datei.satzzahl() < kStaedte)
        throw EAFehler(100);
    datei.positioniere(0);
    std::vector<Stadt> staedte;
    for (int i = 0; i < kStaedte; ++i) {
        const QString satz = datei.liesText();
        Stadt s;
        s.kopf = satz.left(4);
        QString name = satz.mid(4);
        while (name.endsWith(QLatin1Char(' ')))
            name.chop(1);
        s.name = name;
        staedte.push_back(s);
    }
    datei.schliesse();
    // every population before the run: one that is no number stops the start,
    // and so does one that is not above 0, which the points divide by
    for (Stadt& s : staedte) {
        s.einwohner = textformat::strToInt(s.kopf);
        if (s.einwohner <= 0)
            throw VelmoraFehler(QStringLiteral("Die Einwohnerzahl '%1' von %2 in stadtwin.dat ist nicht größer als 0.")
                                    .arg(s.kopf, s.name));
    }
    return staedte;
}

double stadtpunkte(int antwort, int einwohner)
{
    double p = static_cast<double>(antwort) / einwohner * 100;
    if (p > 100)
        p = 200 - p;
    if (p < 0)
        p = 0;
    return p;
}

QString punkteText(double p) { return textformat::gleitText(p).left(5) + QStringLiteral(" Punkte"); }

}
