#pragma once
// "Reaktion I" and "Reaktion II": four signs at the ends of a cross; after a
// random wait one of them shows in the centre and the user presses the arrow
// towards its end. 30 tasks, 100 - 20 x the seconds taken for a right arrow, no
// time deduction at the end. One window class, the two members as rows.
#include "exercises/reaction/fuenffeld.h"
#include "exercises/reaction/kreuzaufgabe.h"
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

#include <QFont>
#include <vector>

class QLabel;
class QPushButton;
class QTimer;

struct Kreuzart {
    int programm;
    QString klasse;
    int vorrat;                        // the signs drawn from: 26 letters or 30 table signs
    QString (*zeichen)(int n);         // sign n as text
    QFont (*schrift)(int pixelHoehe);  // the font it is written in
};

class Trea09 : public Form {
    Q_OBJECT
public:
    // no run; the sign is awaited; it shows and no arrow was taken; answered
    enum class Stand { Aus, Wartet, Scharf, Beantwortet };

    explicit Trea09(const Kreuzart& art);
    static const std::vector<Kreuzart>& mitglieder();

    QPushButton* start;
    Malflaeche* pb;
    QPushButton* weiter;
    QLabel* rifa;
    QLabel* aufzahl;
    QTimer* Timer1;

    // Shows the asked sign; Timer1 calls it, tests call it in place of waiting.
    void Timer1Timer();
    // Draws the cross with its four signs (public for the benchmark).
    void aufbau();

    // Read by tests and the benchmark.
    Stand stand() const { return m_stand; }
    const Kreuzaufgabe& aufgabe() const { return m_aufgabe; }
    const Fuenffeld& feld() const { return m_feld; }
    double erschienen() const { return m_erschienen; }
    float punkte() const { return m_lauf.punkte; }
    QString zeichen(int n) const { return m_art.zeichen(n); }

protected:
    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;

private:
    void anordnen();
    void startClick();
    void weiterClick();
    void neueAufgabe();
    void schreibe(QPoint zelle, int n);

    const Kreuzart& m_art;
    Uebungslauf m_lauf;
    Fuenffeld m_feld;
    Kreuzaufgabe m_aufgabe;
    Stand m_stand = Stand::Aus;
    double m_erschienen = 0.0;  // monotonic seconds when the sign showed
    int m_zaehler = 0;
};
