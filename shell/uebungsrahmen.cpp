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

void Uebungslauf::beende(QWidget* fenster, int programmnummer, float endpunkte, const QString& text, Endfolge folge)
{
    if (!m_laeuft)
        return;
    m_laeuft = false;
    uebungsende(programmnummer, endpunkte, text, folge);
    if (fenster)
        fenster->close();
}

void uebungsende(int programmnummer, float endpunkte, const QString& text, Endfolge folge)
{
    const QString t = text.isEmpty() ? punkte::meldungText(endpunkte) : text;
    if (folge == Endfolge::Meldefenster) {
        meldung = t;
        zeigemeldung(1);
    } else if (folge == Endfolge::Meldebox) {
        dialog::zeige(t);
    }
    ergein(nutzer, programmnummer, endpunkte);
    highein(programmnummer, endpunkte);
    if (folge == Endfolge::EintragZuerst) {
        meldung = t;
        zeigemeldung(1);
    }
}
