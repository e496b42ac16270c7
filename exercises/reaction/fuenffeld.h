#pragma once
// The field of 5 x 5 cells of the reaction exercises, laid over an image: cell
// sizes from the image's size, the cell under a point, a sign written in a
// cell, and the draws of the field games that never repeat the last task.
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>

class Leinwand;

class Fuenffeld {
public:
    static constexpr int kSeite = 5;

    // Cell width and height: the image's width and height div 5.
    void messe(int breite, int hoehe);
    int w() const { return m_w; }
    int h() const { return m_h; }
    QRect zelle(int c, int r) const { return {c * m_w, r * m_h, m_w, m_h}; }
    // The cell that holds the point strictly inside it; none on a grid line, on
    // the outer edge or in the pixels right of or below the fifth cell.
    std::optional<QPoint> zelleBei(QPoint p) const;

    int schrifthoehe() const { return 2 * m_h / 3; }
    // Left edge of a sign in its cell: centred by the font height, or at a third.
    int linksMittig() const { return (m_w - schrifthoehe()) / 2; }
    int linksDrittel() const { return m_w / 3; }
    // Writes zeichen in the canvas's font and colour into cell (c, r), its left
    // edge links pixels in, centred in height; loesche clears it with farbe.
    void schreibe(Leinwand& l, QPoint zelle, int links, const QString& zeichen) const;
    void loesche(Leinwand& l, QPoint zelle, int links, const QString& zeichen, const QColor& farbe) const;
    // The black lines between the cells.
    void gitter(Leinwand& l) const;

private:
    static int teil(int x, int breite);
    QPoint ecke(QPoint zelle, int links) const;
    int m_w = 0;
    int m_h = 0;
};

namespace feldaufgabe {
// A cell other than vorher, each of the other 24 alike.
QPoint andereZelle(QPoint vorher);
// A letter 1..26 other than vorher (0: none before), each of the others alike.
int andererBuchstabe(int vorher);
}
