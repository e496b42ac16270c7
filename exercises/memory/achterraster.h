#pragma once
// The 8 x 4 grid of cells the perception windows share (Alphamix, Sammeln I to
// III, Vergleiche), drawn on the window's image pb:
// - layout from the window's outer size W x H (integer division): pb is
//   H x 4 div 8 high and twice as wide, centred, its top at H div 8; the
//   label folge centred with its top at H x 4 div 5; the start button
//   centred in the client width;
// - cells cw = pb width div 8 by ch = pb height div 4; units ux = width / 80,
//   uy = height / 40 (floats), so a cell spans 10 units each way; the strict
//   hit test and the wrapping cursor are those of Zellraster;
// - leer: the button-face ground with its black outline and all grid lines
//   (Vergleiche: the outline only);
// - rahmen: the cursor frame, from 1 to 9 tenths of a cell, 1-px pen;
// - zeichen: one character in Courier New of height Trunc(2 ch / 3), at
//   x = c cw + cw div 3, y = r ch + Trunc((ch - height) / 2), transparent.
#include "exercises/memory/zellraster.h"

#include <QColor>
#include <QSize>
#include <optional>

class Malflaeche;
class QLabel;
class QWidget;

class Achterraster {
public:
    static constexpr int kSpalten = 8;
    static constexpr int kZeilen = 4;

    explicit Achterraster(Malflaeche* pb) : m_pb(pb) {}

    // Places pb, folge and start for a window of outer size aussen and a client
    // area klientBreite wide; start keeps its top.
    void anordnen(QSize aussen, int klientBreite, QWidget* start, QLabel* folge);

    const Zellraster& raster() const { return m_raster; }
    int schrifthoehe() const { return m_raster.ch() * 2 / 3; }

    void leer(bool linien = true);
    void rahmen(QPoint zelle, const QColor& stift);
    // An arrow key moves the cursor and its frame one cell, wrapping at the
    // edges: the cell it left; none for any other key.
    std::optional<QPoint> bewegeRahmen(int taste, QPoint& cursor);
    void zeichen(QPoint zelle, const QString& text, const QColor& farbe);

private:
    Malflaeche* m_pb;
    Zellraster m_raster{kSpalten, kZeilen, 0, 0};
};
