#include "shell/uebungsrahmen.h"

#include "common/punkte.h"
#include "common/uhr.h"
#include "common/zustand.h"
#include "platform/dialoge.h"
#include "shell/ergebnisse.h"
#include "shell/highscore.h"
#include "shell/umeldung.h"

#include <QWidget>

void Uebungslauf::starte(int aufgaben)
{
    aufgabenzahl = aufgaben;
    punkte = punkte::kStart;
    m_start = uhr::sekunden();
    m_laeuft = true;
}

double Uebungslauf::sekunden() const { return uhr::sekunden() - m_start; }

float Uebungslauf::abschluss() const { return punkte::abschluss(punkte, sekunden()); }

void Uebungslauf::beende(QWidget* fenster, int programmnummer, float endpunkte, const QString& text)
{
    if (!m_laeuft)
        return;
    m_laeuft = false;
    uebungsende(programmnummer, endpunkte, text);
    if (fenster)
        fenster->close();
}

void Uebungslauf::beendeMitMeldebox(QWidget* fenster, int programmnummer, float endpunkte, const QString& text)
{
    if (!m_laeuft)
        return;
    m_laeuft = false;
    dialog::zeige(text);
    ergein(nutzer, programmnummer, endpunkte);
    highein(programmnummer, endpunkte);
    if (fenster)
        fenster->close();
}

void uebungsende(int programmnummer, float endpunkte, const QString& text)
{
    meldung = text.isEmpty() ? punkte::meldungText(endpunkte) : text;
    zeigemeldung(1);
    ergein(nutzer, programmnummer, endpunkte);
    highein(programmnummer, endpunkte);
}
