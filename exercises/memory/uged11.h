#pragma once
// "MiniMemo I", "MiniMemo II", "Memory I" and "Memory II": a grid of face-down
// cards holds every value twice; the user turns two at a time by mouse or by
// the keyboard cursor and Enter; an equal pair is taken off and turns green, a
// different one is shown for a second and turned down again. The run ends with
// the last pair. One window class, the four members as rows of a table.
#include "exercises/memory/paarspiel.h"
#include "exercises/memory/zellraster.h"
#include "exercises/shared/wortliste.h"
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

#include <vector>

class QPushButton;

struct Paarart {
    int programm;
    QString klasse;
    QString titel;
    int spalten, zeilen, paare;
    bool woerter;  // words from the word list, else the letters A, B, ...
    // image height: window height x hoeheZ div hoeheN; width: that height x
    // breiteZ div breiteN, or (vonBreite) window width x breiteZ div breiteN
    int hoeheZ, hoeheN;
    int breiteZ, breiteN;
    bool vonBreite;
    bool cursorZurueck;  // the cursor goes back to the first cell at Start
};

class Tged11 : public Form {
    Q_OBJECT
public:
    static constexpr int kAnzeigeMs = 1000;
    static constexpr int kWoerter = 12;
    static constexpr int kWortlaenge = 7;

    explicit Tged11(const Paarart& art);
    static const std::vector<Paarart>& mitglieder();

    QPushButton* start;
    Malflaeche* pb;

    // Read by tests and the benchmark.
    const Paarart& art() const { return m_art; }
    const Paarspiel& spiel() const { return m_spiel; }
    const Zellraster& raster() const { return m_raster; }
    const std::vector<TBegriff>& woerter() const { return m_woerter; }
    QPoint cursor() const { return m_cursor; }
    bool laeuft() const { return m_lauf.laeuft(); }
    // The empty grid with the cursor frame, as at Start (public for the benchmark).
    void aufbau();

protected:
    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void anordnen();
    void startClick();
    void drehe(QPoint zelle, bool tastatur);
    void gesicht(QPoint zelle, bool zeigen);
    void gruen(QPoint zelle);
    void rahmen(QPoint zelle, const QColor& stift);

    const Paarart& m_art;
    Uebungslauf m_lauf;
    Paarspiel m_spiel;
    Zellraster m_raster;
    std::vector<TBegriff> m_woerter;
    QPoint m_cursor;
    bool m_tastatur = false;  // the arrows act; off during a keyboard turn's display
};
