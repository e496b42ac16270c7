#include "shell/uebungsrahmen.h"

#include "common/fehler.h"
#include "common/punkte.h"
#include "common/satzdatei.h"
#include "common/uhr.h"
#include "common/zustand.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "shell/ergebnisse.h"
#include "shell/highscore.h"
#include "shell/nutzerregister.h"
#include "shell/umeldung.h"

#include <QWidget>
#include <algorithm>
#include <functional>

void Uebungslauf::starte(int aufgaben)
{
    aufgabenzahl = aufgaben;
    punkte = punkte::kStart;
    m_start = uhr::sekunden();
    m_laeuft = true;
}

double Uebungslauf::sekunden() const { return uhr::sekunden() - m_start; }

float Uebungslauf::abschluss() const { return punkte::abschluss(punkte, sekunden()); }

void Uebungslauf::beende(QWidget* fenster, int programmnummer, float endpunkte, const QString& text, Endfolge folge)
{
    if (!m_laeuft)
        return;
    m_laeuft = false;
    uebungsende(programmnummer, endpunkte, text, folge);
    if (fenster)
        fenster->close();
}

bool Laufende::speichere(Eintrag was, const QString& datei, const std::function<void()>& speichern)
{
    ++m_versuche;
    try {
        const Dateigruppe schritt({nutzerregister::kDatei, datei});
        if (!nutzerregister::haelt(nutzer, nutzername)) {
            m_nichtEingetragen = true;
            return false;
        }
        speichern();
    } catch (const std::exception& fehler) {
        const QString text = fehlertext(fehler);
        const auto* ea = dynamic_cast<const EAFehler*>(&fehler);
        m_fehlschlaege.push_back({was, ea ? ea->grund() : text});
    }
    return true;
}

namespace {

QString genannt(const std::vector<Laufende::Eintrag>& eintraege)
{
    static const QString kName[] = {QStringLiteral("das Ergebnis"), QStringLiteral("der Highscore"),
                                    QStringLiteral("der Levelstand")};
    QString text;
    for (size_t i = 0; i < eintraege.size(); ++i) {
        if (i > 0)
            text += i + 1 == eintraege.size() ? QStringLiteral(" und ") : QStringLiteral(", ");
        text += kName[int(eintraege[i])];
    }
    text[0] = text[0].toUpper();
    return text;
}

QString mitPunkt(const QString& text)
{
    return text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char('!')) ? text : text + QLatin1Char('.');
}

}

void Laufende::melde()
{
    if (m_nichtEingetragen) {
        dialog::zeige(nutzerregister::nichtMehrEingetragen(nutzername));
    } else if (!m_fehlschlaege.empty()) {
        // entries refused for one reason are named together, in the order tried
        std::vector<std::pair<QString, std::vector<Eintrag>>> nachGrund;
        for (const Fehlschlag& f : m_fehlschlaege) {
            const auto it = std::find_if(nachGrund.begin(), nachGrund.end(), [&](const auto& g) { return g.first == f.grund; });
            if (it == nachGrund.end())
                nachGrund.push_back({f.grund, {f.was}});
            else
                it->second.push_back(f.was);
        }
        QStringList zeilen;
        for (const auto& [grund, wer] : nachGrund)
            zeilen << genannt(wer)
                          + (wer.size() > 1 ? QStringLiteral(" wurden nicht gespeichert. ")
                                            : QStringLiteral(" wurde nicht gespeichert. "))
                          + mitPunkt(grund);
        if (int(m_fehlschlaege.size()) == m_versuche)
            zeilen << QStringLiteral("Es wurde nichts gespeichert.");
        dialog::zeige(zeilen.join(QLatin1Char('\n')));
    }
    m_fehlschlaege.clear();
    m_versuche = 0;
    m_nichtEingetragen = false;
}

bool laufEintragen(int n, float punkte, Laufende& ende)
{
    const QString neu = ergebnis::neuerSatz(punkte);
    QString vorher;
    double bester = 0.0;
    // a user deleted between the two steps lost the result with his slot
    if (!ende.speichere(Laufende::Eintrag::Ergebnis, ergebnis::dateiname(n / 12 - 1),
                        [&] { ergebnis::trageEin(nutzer, n, neu, vorher); })
        || !ende.speichere(Laufende::Eintrag::Highscore, highscore::kDatei,
                           [&] { highscore::trageEin(n, punkte, nutzername, bester); }))
        return false;
    ergebnis::setzeZeile(n, neu, vorher);
    highscore::schliesseZeileAb(bester, punkte);
    return true;
}

bool laufEintragen(int n, float punkte)
{
    Laufende ende;
    const bool eingetragen = laufEintragen(n, punkte, ende);
    ende.melde();
    return eingetragen;
}

bool uebungsende(int programmnummer, float endpunkte, const QString& text, Endfolge folge, Laufende& ende)
{
    const QString t = text.isEmpty() ? punkte::meldungText(endpunkte) : text;
    if (folge == Endfolge::Meldefenster) {
        meldung = t;
        zeigemeldung(1);
    } else if (folge == Endfolge::Meldebox) {
        dialog::zeige(t);
    }
    const bool eingetragen = laufEintragen(programmnummer, endpunkte, ende);
    if (folge == Endfolge::EintragZuerst) {
        // what was not saved is told before the message window that follows the entries
        ende.melde();
        meldung = t;
        zeigemeldung(1);
    }
    return eingetragen;
}

bool uebungsende(int programmnummer, float endpunkte, const QString& text, Endfolge folge)
{
    Laufende ende;
    const bool eingetragen = uebungsende(programmnummer, endpunkte, text, folge, ende);
    ende.melde();
    return eingetragen;
}
