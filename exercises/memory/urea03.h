#pragma once
// "Figuren legen": 25 tiles of four coloured triangles come one at a time out of
// a stock; the user lays each on the 5 x 5 board by mouse or by the cursor and
// Enter so that its edges match the laid tiles beside it, or turns, mirrors or
// skips it. The run ends when the stock is empty; how the last tile left it
// decides how the result is announced.
#include "exercises/memory/figurenlegen.h"
#include "exercises/memory/zellraster.h"
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

class QFrame;
class QPushButton;

class Trea03 : public Form {
    Q_OBJECT
public:
    static constexpr int kProgramm = 110;
    static constexpr float kAbzug = 5.0f;

    Trea03();

    QPushButton* start;
    Malflaeche* pb;
    Malflaeche* pb1;
    QFrame* Panel1;
    QPushButton* Button1;  // (R)ECHTS
    QPushButton* Button2;  // (L)INKS
    QPushButton* Button3;  // (S)PIEGELN
    QPushButton* Button4;  // (W)EITER
    QPushButton* Button5;  // (A)BBRUCH

    // Read by tests and the benchmark.
    const figuren::Puzzle& puzzle() const { return m_puzzle; }
    const figuren::Brett& brett() const { return m_brett; }
    int k() const { return m_k; }
    // The stock tile on offer, as turned and mirrored so far.
    figuren::Kachel aktuell() const;
    float punkte() const { return m_lauf.punkte; }
    bool laeuft() const { return m_lauf.laeuft(); }
    QPoint cursor() const { return m_cursor; }
    const Zellraster& raster() const { return m_raster; }
    // The cursor marker's corners on a cell (right and bottom excluded).
    QRect marke(QPoint zelle) const;

    // Drawing, public for the benchmark: the empty board and the preview as at
    // Start, and a tile in a board cell.
    void leeresBrett();
    void aufbau(const figuren::Kachel& t, QPoint zelle);

protected:
    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    enum class Weg { Maus, Enter, Weiter };

    void anordnen();
    bool imLauf() const;
    void startClick();
    void lege(QPoint zelle, Weg weg);
    void verweigere(const QString& text, Weg weg);
    void wandle(figuren::Kachel (*wandlung)(figuren::Kachel));
    void weiter();
    void naechste(Weg weg);
    void panelKnopf(void (Trea03::*aktion)());
    void aufbau1();
    void zeigeMarke(bool an);

    Uebungslauf m_lauf;
    figuren::Puzzle m_puzzle;
    figuren::Brett m_brett;
    int m_k = 0;  // 0 before Start, 1 to 25 the tile on offer, 26 the stock empty
    QPoint m_cursor;
    Zellraster m_raster;
};
