#pragma once
// "Vergleiche": are the two halves of the 8 x 4 grid equal? Plus (pad or main
// keyboard) answers equal, minus that one cell differs; 30 tasks, one symbol
// more per half after every third right answer. No cursor, no mouse.
#include "exercises/memory/achterraster.h"
#include "exercises/memory/vergleich.h"
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

class QLabel;
class QPushButton;

class Twahr07 : public Form {
    Q_OBJECT
public:
    static constexpr int kProgramm = 115;

    Twahr07();

    QPushButton* start;
    Malflaeche* pb;
    QLabel* folge;
    QPushButton* weiter;
    QLabel* aufzahl;

    // Read by tests and the benchmark.
    const Vergleichsspiel& spiel() const { return m_spiel; }
    const Zellraster& raster() const { return m_gitter.raster(); }
    bool laeuft() const { return m_lauf.laeuft(); }
    // The grid, its dividing line and the symbols (public for the benchmark).
    void aufbau();

protected:
    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;

private:
    void startClick();
    void weiterClick();
    void zaehler();

    Uebungslauf m_lauf;
    Vergleichsspiel m_spiel;
    Achterraster m_gitter;
};
