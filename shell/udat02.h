#pragma once
// "Highscore": the fifteen best of one exercise, with a hidden way to delete a place.
#include "platform/form.h"
#include "shell/highscore.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <array>

namespace dat02 {
// The line of a place: name padded to 20, score in 7 with two decimals, two
// blanks, date (dd.mm.yy, or ten blanks when there is none).
QString zeile(const highscore::Platz& p);
}

class Tdat02 : public Form {
    Q_OBJECT
public:
    static Tdat02& instanz();

    QFrame* Panel1;
    QLabel* Label1;
    QListWidget* lbox;
    QListWidget* lbox1;
    QPushButton* cmd1dat02;
    QPushButton* cmd2dat02;
    QPushButton* loeschen;

    void wahl();
    void loeschenClick();

protected:
    void FormShow() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;

private:
    Tdat02();
    highscore::Liste m_plaetze;
    int m_block = -1;  // the exercise of the places in m_plaetze; -1 before the first wahl
};
