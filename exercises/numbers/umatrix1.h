#pragma once
// "Matrix+" and "Matrix*": pick an empty cell of an addition or multiplication
// table whose heads give the target; 3 boards of 10 picks, 50 points for each
// right one. One window class, the two members as rows of a table.
#include "exercises/numbers/matrixbrett.h"
#include "exercises/numbers/zahlbrett.h"

#include <vector>

struct Matrixart {
    int programm;
    QString klasse;
    QString titel;
    QChar zeichen;
    bool fokusNachMaus;  // "weiter" takes the focus after a board closed by the mouse
};

class Tmatrix1 : public Zahlbrett {
    Q_OBJECT
public:
    explicit Tmatrix1(const Matrixart& art);
    static const std::vector<Matrixart>& mitglieder();
    const Matrixbrett& brett() const { return m_brett; }

private:
    void neuerLauf() override { m_brett.neuerLauf(); }
    bool naechste() override { return m_brett.weiter(); }
    int runde() const override { return m_brett.brett(); }
    bool logikOffen() const override { return m_brett.offen(); }
    int ziel() const override { return m_brett.ziel(); }
    void maleBrett(Leinwand& c) override;
    void waehle(int x, int y, bool tastatur) override;
    QColor rahmenGrund(int x, int y) const override;

    const Matrixart& m_art;
    Matrixbrett m_brett;
};
