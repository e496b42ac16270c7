#pragma once
// "Repro" (Tged01): K cells of the grid are shown for three seconds; the user
// marks them again by mouse or keyboard cursor. A right click, any key once K
// cells are marked, or Enter on the K-th evaluates the task, once: +100, -10 per
// wrong cell; a clean task makes K one larger (up to 7), an error one smaller
// (not below 2).
#include "exercises/memory/rastermuster.h"

class Tged01 : public Rasterfenster {
    Q_OBJECT
public:
    static constexpr int kProgramm = 92;
    static constexpr int kKleinstesK = 2;
    static constexpr int kGroesstesK = 7;

    Tged01();

    // Read by tests.
    int K() const { return m_k; }
    int markiert() const { return m_markiert; }
    bool fehler() const { return m_fehler; }
    bool tastatur() const { return m_tastatur; }
    bool markieren() const { return m_markieren; }

protected:
    bool aufgabe() override;
    void beiStart() override;
    void verdeckt() override;
    void beiOeffnung() override;
    void beiSchliessen() override;
    void ordneAn(QSize aussen, int bildHoehe) override;
    bool FormShortCut(int taste, QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void pbMouseDown(QMouseEvent* e);
    void flippe(QPoint z);
    void reaktion();

    rastermuster::Feld m_marken{};
    int m_markiert = 0;
    int m_k = kKleinstesK;
    bool m_fehler = false;
    bool m_tastatur = false;   // keys act (from Start until the keyboard evaluates)
    bool m_markieren = false;  // marks may be set and the task evaluated
};
