#pragma once
// "Mathespiel": pick the three cells of a 6 x 3 board of rising numbers whose
// sum is the target; 10 rounds, 200 points for each right one.
#include "exercises/numbers/mathespiel.h"
#include "exercises/numbers/zahlbrett.h"

class Trec08 : public Zahlbrett {
    Q_OBJECT
public:
    static constexpr int kProgramm = 19;
    Trec08();
    const Mathespiel& spiel() const { return m_spiel; }

private:
    void neuerLauf() override;
    bool naechste() override { return m_spiel.weiter(); }
    int runde() const override { return m_spiel.runde(); }
    bool logikOffen() const override { return m_spiel.offen(); }
    int ziel() const override { return m_spiel.zielwert(); }
    void maleBrett(Leinwand& c) override;
    void waehle(int x, int y, bool tastatur) override;
    QColor rahmenGrund(int x, int y) const override;

    // The cell filled in grund with a black outline, its number in schrift.
    void zelle(int x, int y, const QColor& grund, const QColor& schrift);
    void schliesse(Mathespiel::Wahl urteil);

    Mathespiel m_spiel;
};
