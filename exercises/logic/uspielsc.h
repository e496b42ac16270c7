#pragma once
// "Schieben", the box-pushing board: loads level levelnr from "schieben.dat";
// the arrow keys move the pusher and push one box, Space takes the last push
// back once. Every target holding a box of its colour: "GESCHAFFT!!" and
// levelnr + 100.
#include "exercises/logic/levelbrett.h"
#include "exercises/logic/schiebebrett.h"

class Tspielsc : public Levelbrett {
    Q_OBJECT
public:
    Tspielsc();
    const Schiebebrett& brett() const { return m_brett; }

protected:
    void lade(const QByteArray& zellen) override { m_brett.lade(zellen); }
    int feld(int x, int y) const override { return m_brett.feld(x, y); }
    void zelle(int x, int y) override;
    void roboter() override;
    void pfeil(int richtung) override { zeichne(m_brett.zug(richtung)); }
    bool sondertaste(int t) override;
    bool geloest() const override { return m_brett.geloest(); }

private:
    Schiebebrett m_brett;
};
