#pragma once
// "Matrix I" and "Matrix II": the numbers of 3 matrices are picked in
// ascending order by mouse or by a keyboard cursor that the arrows move and
// Enter picks with: +50 a right pick, -10 a wrong one, minus the seconds at
// the end. One window class, the two members as rows of a table.
#include "exercises/reaction/zahlmatrix.h"
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

#include <QPoint>
#include <QRect>
#include <vector>

class QLabel;
class QPushButton;

struct Zahlmatrixart {
    int programm;
    QString klasse;
    QString titel;
    int spalten;
    bool nurGerade;  // only the even numbers are picked
    int fxTeiler;    // the frame unit is the board's width by this
};

class Trea11 : public Form {
    Q_OBJECT
public:
    static constexpr int kMatrizen = 3;

    explicit Trea11(const Zahlmatrixart& art);
    static const std::vector<Zahlmatrixart>& mitglieder();

    QPushButton* start;
    Malflaeche* pb;
    QPushButton* weiter;
    QLabel* rifa;

    const Zahlmatrix& matrix() const { return m_matrix; }
    bool laeuft() const { return m_lauf.laeuft(); }
    float punkte() const { return m_lauf.punkte; }
    int matrixNr() const { return m_matrixNr; }
    // Picks are taken: a matrix is open and no right pick's pause runs.
    bool wahlErlaubt() const { return m_erlaubt; }
    QPoint cursor() const { return {m_cx, m_cy}; }
    int cw() const { return m_cw; }
    int ch() const { return m_ch; }
    // The frame of cell (c, r) on the board.
    QRect rahmenfeld(int c, int r) const;
    // The whole matrix, the cursor back on (0, 0) (public for the benchmark).
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
    void weiterClick();
    void pbMouseDown(QPoint p);
    // A pick, or one noted while a wrong pick's pause runs; the noted picks
    // follow one by one once the pick before them is done.
    void waehle(int c, int r, bool tastatur);
    void bewerte(int c, int r, bool tastatur);
    // The pause after a verdict: a right one blocks picks, a wrong one notes
    // them and ends; false when the run has ended meanwhile.
    bool pause(int ms, bool richtig);
    void rahmen(const QRect& feld, const QColor& farbe, int breite);
    void zahl(int x, int y);
    void loesche(int x, int y);

    const Zahlmatrixart& m_art;
    Zahlmatrix m_matrix;
    Uebungslauf m_lauf;
    int m_matrixNr = 1;
    bool m_erlaubt = false;
    bool m_falschePause = false;  // the pause after a wrong pick runs
    struct Wahl {
        int c, r;
        bool tastatur;
    };
    std::vector<Wahl> m_vorgemerkt;  // picks made in that pause, in order
    int m_cw = 1;
    int m_ch = 1;
    int m_cx = 0;
    int m_cy = 0;
};
