#pragma once
// Drawing like a window canvas: pen, brush and font as state, rectangles,
// ellipses, polygons, lines and text in integer pixel coordinates. It draws onto
// a persistent image, so what is drawn survives repaints.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <vector>

class Leinwand {
public:
    explicit Leinwand(QImage* bild = nullptr) : m_bild(bild) {}
    void setzeBild(QImage* bild) { m_bild = bild; }
    QImage* bild() const { return m_bild; }

    // pen
    QColor stiftFarbe = Qt::black;
    int stiftBreite = 1;
    // brush; a clear brush leaves shapes unfilled and text without background
    QColor pinselFarbe = Qt::white;
    bool pinselKlar = false;
    // font
    QFont schrift;
    QColor schriftFarbe = Qt::black;

    // Rectangle from (x1, y1) to (x2, y2), right and bottom edge excluded.
    void rechteck(int x1, int y1, int x2, int y2);
    void ellipse(int x1, int y1, int x2, int y2);
    void polygon(const std::vector<QPoint>& punkte);
    void linie(int x1, int y1, int x2, int y2);
    void fuellen(int x1, int y1, int x2, int y2);  // brush only, no outline
    void text(int x, int y, const QString& text);  // top left corner at (x, y)
    // Clears, with the brush colour, what text(x, y, text) drew: its cell and any
    // ink that overhangs it left or right. Drawing the text again in the
    // background colour would leave a fringe of smoothed edges.
    void textLoeschen(int x, int y, const QString& text);
    int textBreite(const QString& text) const;
    int textHoehe(const QString& text) const;
    void bildZeichnen(const QRect& ziel, const QImage& quelle);  // stretched

private:
    template <typename F> void male(F&& f);
    QImage* m_bild;
};

// A paint box or image: a widget that shows its own persistent picture.
class Malflaeche : public QWidget {
    Q_OBJECT
public:
    explicit Malflaeche(QWidget* parent = nullptr, QColor grund = Qt::white);
    Leinwand& canvas();
    // Gives the picture back (a closed window keeps no full-screen image).
    void freigeben();
    void loeschen(QColor farbe);
    const QImage& bild() const { return m_bild; }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void passeAn();
    QImage m_bild;
    QColor m_grund;
    Leinwand m_leinwand;
};
