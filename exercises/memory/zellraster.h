#pragma once
// A grid of equal cells laid over an image, for the boards that are picked by
// mouse and by a keyboard cursor (pairs memory, grid pattern memory, Figuren
// legen, sample search, collect):
// - cells are cw x ch pixels, cell (c, r) starts at (c x cw, r x ch); columns
//   and rows count from 0;
// - zelleBei is the strict hit test: a point is in cell c only when
//   c x cw < x < (c + 1) x cw (rows alike), so a point on a grid line, on the
//   outer edge, or in the strip right of or below the last cell (an image a few
//   pixels larger than the cells) is in no cell;
// - bewege moves the cursor by an arrow key and wraps at the edges;
// - cursorrahmen is the frame around a cell's middle, from 1 to 9 tenths of it
//   in float units (ux = image width / (10 x cols), uy alike), cut to integers.
#include <QPoint>
#include <QRect>
#include <optional>

class Leinwand;
class QColor;

class Zellraster {
public:
    Zellraster() = default;
    // An image of breite x hoehe pixels in spalten x zeilen cells: cw = breite
    // div spalten, ch = hoehe div zeilen.
    Zellraster(int spalten, int zeilen, int breite, int hoehe);

    int spalten() const { return m_spalten; }
    int zeilen() const { return m_zeilen; }
    int cw() const { return m_cw; }
    int ch() const { return m_ch; }
    float ux() const { return m_ux; }
    float uy() const { return m_uy; }

    bool enthaelt(QPoint zelle) const;
    // The cell holding the point strictly inside it; none on a line, the
    // border or past the last cell.
    std::optional<QPoint> zelleBei(QPoint p) const;
    // The cell's rectangle, its lines included: (c x cw, r x ch), cw + 1 by ch + 1.
    QRect zelle(QPoint z) const;
    // Corners for Leinwand::rechteck (right and bottom edge excluded):
    // (Trunc((10c + 1) ux), Trunc((10r + 1) uy)) to (Trunc((10c + 9) ux), Trunc((10r + 9) uy)).
    QRect cursorrahmen(QPoint z) const;

    // An arrow key (37 left, 38 up, 39 right, 40 down) moves cursor one cell,
    // from the first column to the last and back, rows alike; false, and the
    // cursor as it was, for any other key.
    bool bewege(int taste, QPoint& cursor) const;

    // The empty board on an image of breite x hoehe: button face, the outline
    // of all cells and, with linien, the lines between them in black.
    void leeresBrett(Leinwand& c, int breite, int hoehe, bool linien = true) const;
    // The cursor frame of a cell in stift, 1-px pen, unfilled; its rectangle
    // for the update.
    QRect rahmen(Leinwand& c, QPoint zelle, const QColor& stift) const;

private:
    static int teil(int x, int breite, int anzahl);

    int m_spalten = 0;
    int m_zeilen = 0;
    int m_cw = 0;
    int m_ch = 0;
    float m_ux = 0.0f;
    float m_uy = 0.0f;
};
