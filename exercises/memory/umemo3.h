#pragma once
// "Zahlmerk" and "Wortmerk": ten rounds of a list of K numbers or words, then,
// after Space, a board of 12 from which the user picks them from memory, by
// mouse or by cursor and Enter. 50 points a hit; K grows with success. One
// window class, the two members as rows of a table.
#include "exercises/memory/merkspanne.h"
#include "exercises/shared/paargitter.h"
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

#include <vector>

class QPushButton;

struct Merkart {
    int programm;
    QString klasse;
    QString titel;
    // What the run draws its items from, read once at Start (nothing for numbers).
    std::vector<TBegriff> (*vorrat)();
    // The 12 items of a round, in board order.
    std::vector<QString> (*elemente)(const std::vector<TBegriff>& vorrat);
};

class Tmemo3 : public Form {
    Q_OBJECT
public:
    explicit Tmemo3(const Merkart& art);
    static const std::vector<Merkart>& mitglieder();

    QPushButton* Start;

    // Read by tests and the benchmark.
    const merkspanne::Runde& runde() const { return m_runde; }
    int rundenNr() const { return m_rundenNr; }
    int phase() const { return m_phase; }
    QPoint cursor() const { return QPoint(m_cx, m_cy); }
    float punkte() const { return m_lauf.punkte; }
    bool laeuft() const { return m_lauf.laeuft(); }
    const Paargitter& gitter() const { return m_gitter; }
    // Draws the 12 boxes with the list (modus 0) or the board (modus 1).
    void zeichnen(int modus);

protected:
    void FormShow() override;
    void FormClose() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void StartClick();
    void baueRunde();
    void FormMouseDown(int x, int y);
    void check(int spalte, int zeile);
    void beurteile();
    void schreibe(int zelle, const QColor& farbe);
    void rahmen(int spalte, int zeile, bool zeigen);

    const Merkart& m_art;
    Uebungslauf m_lauf;
    std::vector<TBegriff> m_vorrat;
    merkspanne::Runde m_runde;
    merkspanne::Spanne m_spanne;
    Paargitter m_gitter;
    int m_rundenNr = 0;
    int m_phase = 0;  // 0: no run or the list shown, 1: the board shown
    int m_cx = 0;
    int m_cy = 0;
};
