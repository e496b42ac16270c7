#pragma once
// "Sammeln I", "Sammeln II" and "Sammeln III": collect the eight copies of the
// sample item in an 8 x 4 grid, by mouse or by the keyboard cursor and Space;
// five grids per run. After the eighth copy the grid stops taking arrows and
// weiter takes the focus; until it is pressed every choice costs 30 (a Space
// that operates weiter is such a choice). One window class, the three members
// as rows of a table.
#include "exercises/memory/achterraster.h"
#include "exercises/memory/sammeln.h"
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

#include <vector>

class QLabel;
class QPushButton;

struct Sammelart {
    int programm;
    QString klasse;
    QString titel;
    int n;            // items 1 to n
    QString zeichen;  // item v is its v-th character; empty: the coloured discs
    // The sample copy: the character again in blue, or a white disc inside.
    // A collected item: the character again in white, or its disc covered by
    // a button-face one. Both follow from the kind of item.
};

class Twahr04 : public Form {
    Q_OBJECT
public:
    static constexpr int kPauseMs = 1000;

    explicit Twahr04(const Sammelart& art);
    static const std::vector<Sammelart>& mitglieder();

    QPushButton* start;
    Malflaeche* pb;
    QLabel* folge;
    QPushButton* weiter;

    // Read by tests and the benchmark.
    const Sammelart& art() const { return m_art; }
    const Sammelspiel& spiel() const { return m_spiel; }
    const Zellraster& raster() const { return m_gitter.raster(); }
    QPoint cursor() const { return m_cursor; }
    bool aktiv() const { return m_aktiv; }
    bool laeuft() const { return m_lauf.laeuft(); }
    // The grid with its items, the sample mark and the cursor frame (public
    // for the benchmark).
    void aufbau();

protected:
    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    enum class Marke { Keine, Probe, Gesammelt };
    void startClick();
    void weiterClick();
    void neuesGitter();
    void gegenstand(QPoint zelle, int code, Marke marke);
    void scheibe(QPoint zelle, int von, int bis, const QColor& fuellung, const QColor& rand);
    void waehle(QPoint zelle);

    const Sammelart& m_art;
    Uebungslauf m_lauf;
    Sammelspiel m_spiel;
    Achterraster m_gitter;
    QPoint m_cursor;
    bool m_aktiv = false;  // the grid takes arrows
};
