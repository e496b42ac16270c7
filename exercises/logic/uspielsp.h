#pragma once
// "Springen", the peg-jumping board: loads level levelnr from "springen.dat";
// the arrow keys move the cursor, Enter or a click picks a peg, puts it back
// or jumps it. One peg left: "GESCHAFFT!!" after a key, "GESCHAFFT" after a
// click, and levelnr + 100.
#include "exercises/logic/levelbrett.h"
#include "exercises/logic/springbrett.h"

class Tspielsp : public Levelbrett {
    Q_OBJECT
public:
    Tspielsp();
    const Springbrett& brett() const { return m_brett; }

protected:
    void lade(const QByteArray& zellen) override { m_brett.lade(zellen); }
    int feld(int x, int y) const override { return m_brett.feld(x, y); }
    void zelle(int x, int y) override;
    void roboter() override;
    void pfeil(int richtung) override;
    bool sondertaste(int t) override;
    bool geloest() const override { return m_brett.geloest(); }
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    Springbrett m_brett;
};
