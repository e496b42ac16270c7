#pragma once
// Deleting users: their results and level records are emptied, the slot freed.
#include "shell/namensraster.h"

#include <QPushButton>

class TForm5 : public Namensraster {
    Q_OBJECT
public:
    static TForm5& instanz();

    QPushButton* Button1;
    // Empties slot s in the result and level files and writes plaetze with slot s
    // freed to the register, all or nothing: every file must be there at full size
    // and writable, and a failure while writing leaves every file as it was.
    static void nutzerLoeschen(int slot, QStringList plaetze);

protected:
    void FormActivate() override;
    void check(int spalte, int zeile) override;
    bool rasterAktiv() const override { return m_rasterGezeigt; }
    void nachEnter() override { nochEiner(); }
    void mousePressEvent(QMouseEvent* e) override;

private:
    TForm5();
    void Button1Click();
    void nochEiner();
    bool m_rasterGezeigt = false;
};
