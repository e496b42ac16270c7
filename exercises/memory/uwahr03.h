#pragma once
// "Alphamix": choose the letters A to Z in alphabetical order in an 8 x 4 grid
// in which they are scattered, by mouse or by the keyboard cursor and Enter.
// The end text gives whole points when Z was chosen with Enter and the first
// five characters of the score's text when it was chosen with the mouse.
#include "exercises/memory/achterraster.h"
#include "exercises/memory/alphamix.h"
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

class QLabel;
class QPushButton;

class Twahr03 : public Form {
    Q_OBJECT
public:
    static constexpr int kProgramm = 111;

    Twahr03();

    QPushButton* start;
    Malflaeche* pb;
    QLabel* folge;

    // Read by tests and the benchmark.
    const Alphamix& spiel() const { return m_spiel; }
    const Zellraster& raster() const { return m_gitter.raster(); }
    QPoint cursor() const { return m_cursor; }
    bool laeuft() const { return m_lauf.laeuft(); }
    // The grid with its letters and the cursor frame (public for the benchmark).
    void aufbau();

protected:
    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void startClick();
    void waehle(QPoint zelle, bool tastatur);

    Uebungslauf m_lauf;
    Alphamix m_spiel;
    Achterraster m_gitter;
    QPoint m_cursor;
};
