#pragma once
// Deleting users: their results and level records are emptied, the slot freed.
#include "shell/namensraster.h"

#include <QPoint>
#include <QPushButton>

class TForm5 : public Namensraster {
    Q_OBJECT
public:
    static TForm5& instanz();

    QPushButton* Button1;
    // Empties slot s in the result and level files and frees it in the register,
    // all or nothing, in one step under the files' locks: every file must be there
    // at full size and writable, and a failure while writing leaves every file as
    // it was. False, with nothing changed, when the slot no longer holds name
    // (another program deleted or replaced that user since the grid was read).
    static bool nutzerLoeschen(int slot, const QString& name);

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
    // The cell last chosen (column 0-3, row 0-9) and whether an error message
    // followed: the next name is then chosen from there, not from slot 1.
    QPoint m_gewaehlt;
    bool m_abgelehnt = false;
};
