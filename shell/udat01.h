#pragma once
// "pers. Daten": the current user's last ten results of one exercise, as lines
// and as a bar chart.
#include "platform/form.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRect>
#include <QSize>

class Malflaeche;

// What the three result views share.
namespace ansicht {
// The 110 exercise names, line k - 1 for running index k.
void fuelleUebungsliste(QListWidget* liste);
// The selected line, or -1 while none is selected.
int gewaehlteZeile(const QListWidget* liste);
// A date of ten characters as dd.mm.yy; any other length is returned as it is.
QString kurzdatum(const QString& datum);
}

namespace dat01 {
// One of the ten results: its memo line and its bar value.
struct Ergebnis {
    QString zeile;
    long long balken = 0;
};
Ergebnis ausSatz(const QString& satz);
// Bar j (1 = oldest) of a chart whose largest bar value is m (at least 1), as a
// rectangle from its top left corner up to, not including, its right and bottom
// edges.
struct Balken {
    int x1, y1, x2, y2;
};
Balken balken(int j, long long wert, long long m, QSize flaeche);
}

class Tdat01 : public Form {
    Q_OBJECT
public:
    static Tdat01& instanz();

    QFrame* Panel1;
    QLabel* Label1;
    QListWidget* lbox;
    QPushButton* cmd1;
    QPushButton* cmd2dat01;
    QPlainTextEdit* mem1dat01;
    Malflaeche* pb;

    void wahl();

protected:
    void FormActivate() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;

private:
    Tdat01();
    void pbLeeren();
    // Nothing in view: no lines, no chart, no exercise shown.
    void leeren();
    // The current user's results of list line zeile, into an empty view.
    void zeigeErgebnisse(int zeile);

    // The user whose results the lines and the chart show (slot 0: none), and
    // the list line of their exercise. The name counts too: a slot freed by a
    // deletion is given to the next user entered.
    int m_gezeigtFuer = 0;
    QString m_gezeigtFuerName;
    int m_gezeigteZeile = -1;
};
