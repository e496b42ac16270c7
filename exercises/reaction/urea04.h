#pragma once
// "Tastaturspiel" and "Mausspiel": a letter or a blue square in a random cell of
// the 5 x 5 field; the user presses its key or clicks it. 30 hits end the run,
// +30 a hit, -30 a miss. One window class, the two members as rows of a table.
#include "exercises/reaction/fuenffeld.h"
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

#include <vector>

class QPushButton;

struct Feldart {
    int programm;
    QString klasse;
    QString titel;
    bool maus;  // a square to click, not a letter to type
    // the image: height hoeheZ/hoeheN of the window's, width breiteZ/breiteN of
    // its width (0: square), top at the window's height / obenN
    int hoeheZ, hoeheN, breiteZ, breiteN, obenN;
};

class Trea04 : public Form {
    Q_OBJECT
public:
    static constexpr int kTreffer = 30;
    static constexpr float kPunkte = 30.0f;

    explicit Trea04(const Feldart& art);
    static const std::vector<Feldart>& mitglieder();

    QPushButton* start;
    Malflaeche* pb;

    // Read by tests and the benchmark.
    const Fuenffeld& feld() const { return m_feld; }
    QPoint zelle() const { return m_zelle; }
    int buchstabe() const { return m_buchstabe; }
    int treffer() const { return m_treffer; }
    float punkte() const { return m_lauf.punkte; }
    bool laeuft() const { return m_lauf.laeuft(); }
    // Draws the whole field with its task (public for the benchmark).
    void maleFeld();

protected:
    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void anordnen();
    void startClick();
    void aufbau();
    void maleAufgabe(bool zeigen);
    void pbMouseDown(QPoint p);
    void getroffen();

    const Feldart& m_art;
    Uebungslauf m_lauf;
    Fuenffeld m_feld;
    QPoint m_zelle;
    QPoint m_vorher;      // the last square's cell
    int m_buchstabe = 0;  // 1..26; the last letter is kept across runs
    int m_treffer = 0;
};
