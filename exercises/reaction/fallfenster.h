#pragma once
// The window of both falling-block games: the board image, the two labels, the
// start button and Timer1. What sets Tetris and Tatris apart is a row of Fallart
// and the game's own rules.
#include "exercises/reaction/fallspiel.h"
#include "platform/form.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <memory>

struct Fallart {
    QString titel;  // caption
    int programm;   // program number for the result entry
    QString zaehlerName;  // object name of the counter label
    QString zaehlerText;  // "Reihen: " or "Blöcke: "
    std::vector<QColor> farben;  // of the cell values 1, 2, ...; 0 is the button face
    bool meldefenster;           // the end in the message window, not a plain message box
    int ersteZeile;              // the top row of the field that the board image shows
    bool endeImFolgetakt;        // a blocked piece stays in view until the next tick ends the game
};

class Fallfenster : public Form {
    Q_OBJECT
public:
    Fallfenster(Fallart art, std::unique_ptr<Fallspiel> spiel);

    QPushButton* start;
    Malflaeche* pb;
    QLabel* zaehler;  // Label1 or label1
    QLabel* label2;
    QTimer* Timer1;

    Fallspiel& spiel() { return *m_spiel; }
    // One tick; Timer1 calls it, and tests call it in place of waiting.
    void Timer1Timer();
    // Shows on the board image what changed since it was last painted.
    void malen();
    int zellenbreite() const { return m_w; }
    int zellenhoehe() const { return m_h; }

protected:
    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;

private:
    void anordnen();
    void startClick();
    void beschriften();
    void beenden();

    const Fallart m_art;
    std::unique_ptr<Fallspiel> m_spiel;
    std::vector<QColor> m_farben;
    std::array<int, 11 * 15> m_gemalt{};  // the value each cell shows on the image
    int m_w = 1;                          // cell width and height
    int m_h = 1;
    bool m_laeuft = false;   // between start and the end or a close
    bool m_imTakt = false;  // a tick is running (its end may wait in a message box)
};
