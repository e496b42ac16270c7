#include "shell/uebungsrahmen.h"

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

namespace {

// One save for the current user: the register and datei locked in the order of
// their names, the check, the save. False, with nothing saved, when the
// register no longer holds him. A file error is shown once both are let go:
// a message box must not hold the files.
bool fuerDenNutzer(const QString& datei, const std::function<void()>& speichern)
{
    bool eingetragen = true;
    try {
        const Dateigruppe schritt({nutzerregister::kDatei, datei});
        eingetragen = nutzerregister::haelt(nutzer, nutzername);
        if (eingetragen)
            speichern();
    } catch (const std::exception& fehler) {
        zeigeFehler(fehler);
    }
    return eingetragen;
}

}

bool laufEintragen(int n, float punkte)
{
    const QString neu = ergebnis::neuerSatz(punkte);
    QString vorher;
    double bester = 0.0;
    // a user deleted between the two steps lost the result with his slot
    if (!fuerDenNutzer(ergebnis::dateiname(n / 12 - 1), [&] { ergebnis::trageEin(nutzer, n, neu, vorher); })
        || !fuerDenNutzer(highscore::kDatei, [&] { highscore::trageEin(n, punkte, nutzername, bester); })) {
        dialog::zeige(nutzerregister::nichtMehrEingetragen(nutzername));
        return false;
    }
    ergebnis::setzeZeile(n, neu, vorher);
    highscore::schliesseZeileAb(bester, punkte);
    return true;
}

bool uebungsende(int programmnummer, float endpunkte, const QString& text, Endfolge folge)
{
    const QString t = text.isEmpty() ? punkte::meldungText(endpunkte) : text;
    if (folge == Endfolge::Meldefenster) {
        meldung = t;
        zeigemeldung(1);
    } else if (folge == Endfolge::Meldebox) {
        dialog::zeige(t);
    }
    const bool eingetragen = laufEintragen(programmnummer, endpunkte);
    if (folge == Endfolge::EintragZuerst) {
        meldung = t;
        zeigemeldung(1);
    }
    return eingetragen;
}
