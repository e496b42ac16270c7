#pragma once
// The sentence grids: a sentence with a gap and the round's gap words in a grid
// of 2 x 5 cells ("Sätze ergänzen", "Wortfamilien"), or the first half of a
// sentence and the round's second halves in one column of 7 ("Satzhälften").
// One try per sentence: right gains 100 and shows a green frame for a second,
// wrong shows the whole sentence on yellow and "FEHLER!!". The user chooses a
// block first; the run ends with the block-coded score. One class, the
// members as rows of a table.
#include "exercises/language/satzrunde.h"
#include "exercises/shared/paargitter.h"
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

#include <QString>
#include <vector>

class Blockwahl;
class Malflaeche;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

struct Satzgitterart {
    int programm;
    QString klasse;  // object name of the window
    QString titel;
    QString wahlText;
    QString datei;
    int bloecke;        // valid blocks 1 to bloecke
    int runden;
    int saetze;         // sentences of a round
    int schriftFaktor;  // the grid text's cell height in vertical units
    bool haelften;      // sentence halves in one column instead of gap words
};

// The cells of the sentence halves: one column of 7 rows (1-7) across the
// whole width, in units.
struct Haelftengitter {
    int ex = 0;
    int ey = 0;
    QRect zellrahmen(int zeile) const;    // (3, 12i+8) - (97, 12i+16)
    QPoint textort(int zeile) const;      // (5, 12i+9)
    QRect cursorrahmen(int zeile) const;  // (1, 12i+6) - (99, 12i+18)
    // The row (1-7) of a height, bands 12i+8 to 12i+16 units, edges included; 0 for none.
    int zeileBei(int y) const;
};

class Terga01 : public Form {
    Q_OBJECT
public:
    explicit Terga01(const Satzgitterart& art);

    static const std::vector<Satzgitterart>& mitglieder();
    static const Satzgitterart& mitglied(int programm);

    const Satzgitterart& art() const { return m_art; }
    bool laeuft() const { return m_lauf.laeuft(); }
    float punkte() const { return m_lauf.punkte; }
    int rundenNr() const { return m_rundenNr; }
    int satzNr() const { return m_satzNr; }
    int cursorSpalte() const { return m_cx; }
    int cursorZeile() const { return m_cy; }
    // The first record of the current round in the file.
    int ersterSatz() const { return m_ersterSatz; }
    const satzrunde::Lueckenrunde& luecken() const { return m_luecken; }
    const satzrunde::Haelftenrunde& haelften() const { return m_haelften; }
    const Paargitter& gitter() const { return m_gitter; }
    const Haelftengitter& haelftengitter() const { return m_hgitter; }
    QImage bild() const;

    Blockwahl* blockwahl = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* wahl = nullptr;
    QPlainTextEdit* ausgabe = nullptr;
    Malflaeche* image = nullptr;

    // Lays out and draws the current round (public for the benchmark).
    void aufbau();

protected:
    void FormShow() override;
    void FormClose() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void starte(int block);
    void rechnen();
    void rahmen();
    void loeschen(int spalte, int zeile);
    void check(int spalte, int zeile);
    void rahmenstrich(const QRect& r, const QColor& farbe, int breite);
    void zeigeSatz(const QString& text, bool gelb);
    void weiter();
    void ende();

    const Satzgitterart& m_art;
    Uebungslauf m_lauf;
    Paargitter m_gitter;
    Haelftengitter m_hgitter;
    satzrunde::Lueckenrunde m_luecken;
    satzrunde::Haelftenrunde m_haelften;
    int m_block = 0;
    int m_rundenNr = 0;
    int m_satzNr = 0;
    int m_ersterSatz = 0;
    int m_cx = 0;
    int m_cy = 1;
};
