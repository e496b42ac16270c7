#pragma once
// A grid of two columns of cells laid out in units (a horizontal unit is
// einheitx pixels, a vertical one einheity): cell frames, text places, the
// keyboard cursor's red frame, the cursor's wrap and the mouse hit test.
// Rows are counted from 0; the pair grids use rows 0 to 5, other grids a part
// of the rows.
#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>

class Leinwand;
class Malflaeche;
class QWidget;

struct Paargitter {
    int ex = 0;  // einheitx
    int ey = 0;  // einheity
    int ersteZeile = 0;
    int letzteZeile = 5;

    static constexpr int kSpalten = 2;

    // Frames from corner to corner, right and bottom edge excluded.
    QRect zellrahmen(int spalte, int zeile) const;   // (50c+3, 16r+4) - (50c+47, 16r+16)
    QPoint textort(int spalte, int zeile) const;     // (50c+5, 16r+6)
    QRect cursorrahmen(int spalte, int zeile) const; // (50c+1, 16r+2) - (50c+49, 16r+18)

    // 1 px black, without fill.
    void zeichneZelle(Leinwand& c, int spalte, int zeile) const;
    // The cursor frame with a 3-px red pen, and erased with a 3-px pen in grund.
    void rahmen(Leinwand& c, int spalte, int zeile) const;
    void loeschen(Leinwand& c, int spalte, int zeile, const QColor& grund) const;

    // The column (1, 2) and row (1-based: row r is r + 1) of a point, 0 for none:
    // the bands 3-47 and 53-97 units across, 16j-12 to 16j down, edges included.
    int spalteBei(int x) const;
    int zeileBei(int y) const;

    // An arrow key (37-40) moves the cursor (0-based), wrapping at the edges;
    // false for other keys.
    bool bewege(int taste, int& spalte, int& zeile) const;
};

// A frame from corner to corner with a pen of that colour and width, without
// fill; the pen is black and 1 px again afterwards.
void zeichneRahmen(Leinwand& c, const QRect& r, const QColor& farbe, int breite);

// The hidden button-face image a grid window draws its grid on; clicks pass
// through to the window, whose handler hit-tests them in the same coordinates.
Malflaeche* gitterbild(QWidget* fenster);

// The font for a cell height in pixels (ascent plus descent of Arial), as the
// grid's text is sized.
QFont arialZellhoehe(int zellhoehe);
