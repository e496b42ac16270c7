#pragma once
// The grid pattern memory ("Repro", "Wortmuster"): a pattern of white cells in
// a grid of 5 x 4 blue cells is shown for three seconds, then hidden; the
// windows differ in how the pattern is answered. This base holds the grid, the
// pattern, Timer1, the task counter and the end of the run at the 13th Start.
// Points and the clock start when the window is shown, so the time before the
// first Start is deducted too.
#include "exercises/memory/zellraster.h"
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

#include <QRect>
#include <array>

class QLabel;
class QPushButton;
class QTimer;

namespace rastermuster {
constexpr int kSpalten = 5;
constexpr int kZeilen = 4;
constexpr int kZellen = kSpalten * kZeilen;
constexpr int kAufgaben = 12;
constexpr int kAnzeigeMs = 3000;

// One flag per cell, row by row: index row x 5 + column (from 0).
using Feld = std::array<bool, kZellen>;
inline int index(QPoint z) { return z.y() * kSpalten + z.x(); }
inline QPoint zelle(int i) { return {i % kSpalten, i / kSpalten}; }

// k different cells (k <= 20), each drawn among the cells not yet taken, so
// the draw ends whatever the random numbers.
Feld ziehe(int k);
}

class Rasterfenster : public Form {
    Q_OBJECT
public:
    QPushButton* start;
    QLabel* aufzahl;
    Malflaeche* pb;
    QTimer* Timer1;

    // Read by tests and the benchmark.
    int zaehler() const { return m_zaehler; }
    float punkte() const { return m_lauf.punkte; }
    const rastermuster::Feld& muster() const { return m_muster; }
    const Zellraster& raster() const { return m_raster; }
    QPoint cursor() const { return m_cursor; }
    bool musterSichtbar() const { return m_gezeigt; }
    // Cell (c, r) from 0 as drawn: from (c x W div 5, r x H div 4) to
    // ((c + 1) x W div 5, (r + 1) x H div 4); its inset 10 pixels smaller on every side.
    QRect zellrechteck(QPoint z) const;
    QRect innen(QPoint z) const { return zellrechteck(z).adjusted(10, 10, -10, -10); }

    // The tick 3000 ms after a task is shown: the pattern vanishes. A tick
    // without a shown pattern does nothing.
    void Timer1Timer();
    // Timer1 on and the grid drawn with the pattern, as at Start (public for the benchmark).
    void zeigeMuster();

protected:
    Rasterfenster(const QString& klasse, const QString& titel, int programm);

    // Builds the next task before the window changes; false when the window
    // closed instead (errors are thrown and leave everything as it was).
    virtual bool aufgabe() = 0;
    // What the window adds at Start, when the pattern vanishes, at the opening
    // and on closing; the layout of its own controls.
    virtual void beiStart() {}
    virtual void verdeckt() = 0;
    virtual void beiOeffnung() {}
    virtual void beiSchliessen() {}
    virtual void ordneAn(QSize aussen, int bildHoehe) = 0;

    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;

    // A cell filled with the brush colour and outlined black.
    void fuelleZelle(QPoint z, const QColor& farbe);
    void leeresGitter();
    // The frame inside a cell with a 1-pixel pen, unfilled.
    void rahmen(QPoint z, const QColor& stift);

    void startClick();

    Uebungslauf m_lauf;
    rastermuster::Feld m_muster{};
    Zellraster m_raster;
    QPoint m_cursor, m_alt;
    int m_breite = 0, m_hoehe = 0;  // W and H

private:
    void anordnen();

    int m_programm;
    int m_zaehler = 0;
    bool m_gezeigt = false;
};
