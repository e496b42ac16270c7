#pragma once
// "Schlange I" and "Schlange II": the marker "#" is steered over a walled board
// onto 26 targets in their order, letters A to Z or the first 26 signs of the
// sign table. A board is laid out whenever the window is shown; the run is
// scored whenever it closes: 50 per target reached minus the seconds. One
// window class, the two members as rows of a table.
#include "exercises/reaction/schlangenbrett.h"
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

#include <vector>

class QFrame;
class QLabel;

struct Schlangenart {
    int programm;
    QString klasse;
    QString titel;
    bool zeichen;  // the signs of the sign table in place of the letters
};

class Trea07 : public Form {
    Q_OBJECT
public:
    explicit Trea07(const Schlangenart& art);
    static const std::vector<Schlangenart>& mitglieder();

    QFrame* Panel1;
    QLabel* Label1;
    QLabel* Label2 = nullptr;  // Schlange II only
    Malflaeche* ima;

    const Schlangenbrett& brett() const { return m_brett; }
    bool laeuft() const { return m_lauf.laeuft(); }
    float punkte() const { return m_lauf.punkte; }
    int cw() const { return m_cw; }
    int ch() const { return m_ch; }
    // What target n (1..26) shows.
    QString zielzeichen(int n) const;
    // The whole board at the image's size (public for the benchmark).
    void zeichneBrett();

protected:
    void FormActivate() override;
    void FormClose() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void anordnen();
    void schritt(int dx, int dy);
    void zeigeZiel();
    // The marker at (x, y), or erased there.
    void aufbau(int x, int y, bool zeigen);
    // The target at (x, y) erased.
    void aufbau1(int x, int y);
    void schreibe(int x, int y, const QString& text, const QColor& farbe);
    void loesche(int x, int y, const QString& text);

    const Schlangenart& m_art;
    Schlangenbrett m_brett;
    Uebungslauf m_lauf;
    int m_cw = 1;
    int m_ch = 1;
    bool m_angelegt = false;  // a board is laid out for this show
};
