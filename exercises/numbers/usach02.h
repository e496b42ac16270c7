#pragma once
// "Rechenmix": 15 short mixed tasks drawn from the 100 of "sachmix.dat", each
// answered with a whole number; a wrong answer shows the solution below the task.
#include "exercises/shared/antwortfenster.h"

#include <QString>
#include <array>

class QTextEdit;

// A record of "sachmix.dat": the solution in characters 1 to 4, the task after it.
struct TMixaufgabe {
    float loesung = 0.0f;
    QString text;

    static constexpr int kKapazitaet = 40;
    // Throws the conversion error when the first four characters are no number.
    static TMixaufgabe aus(const QString& satz);
};

class Tsach02 : public Antwortfenster {
    Q_OBJECT
public:
    Tsach02();

    static constexpr int kProgramm = 26;
    static constexpr int kSaetze = 100;
    static constexpr int kAufgaben = 15;

    QTextEdit* ausgabe;
    QTextEdit* Memo;

private:
    void anordnen() override;
    void vorbereiten() override;
    void naechsteAufgabe() override;
    void leereAnzeige() override;
    void pruefe() override;

    std::array<TMixaufgabe, kSaetze> m_alle;
    std::array<bool, kSaetze + 1> m_benutzt{};
    TMixaufgabe m_aufgabe;
};
