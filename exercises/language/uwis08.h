#pragma once
// The syllable grids "Silben-Sachkunde", "Silben-Erdkunde" and "Silben-Biologie":
// the user chooses one of ten topics; its twelve words, split into 24 syllables,
// lie scattered over 4 x 6 cells. A first syllable and then its second build a
// word: +100 and both cells blue; a wrong pair costs 20. The run ends when all
// twelve words are built. One window class, the members as rows of silben::arten.
#include "exercises/language/silben.h"
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

class Blockwahl;
class Malflaeche;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

class Twis08 : public Form {
    Q_OBJECT
public:
    explicit Twis08(const silben::Art& art);

    const silben::Art& art() const { return m_art; }
    const silben::Runde& runde() const { return m_runde; }
    bool laeuft() const { return m_lauf.laeuft(); }
    float punkte() const { return m_lauf.punkte; }
    int block() const { return m_block; }
    int cursorSpalte() const { return m_cx; }
    int cursorZeile() const { return m_cy; }
    int zellbreite() const { return m_cw; }
    int zellhoehe() const { return m_rh; }

    // Whole points + block / 100, stored as float, from the points before the
    // time came off and the elapsed seconds.
    static float endpunkte(float punkte, double sekunden, int block);

    QLabel* label1 = nullptr;
    QLineEdit* wahl = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    Malflaeche* pb = nullptr;

    // Draws the whole grid (public for the benchmark).
    void zeichne();

protected:
    void FormShow() override;
    void FormClose() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    bool ordnePbAn();
    void ordneWahlAn();
    void starte(int block);
    void zeichneZelle(int spalte, int zeile);
    void rahmen(int spalte, int zeile);
    void waehle(int spalte, int zeile, bool tasten);
    void pbMouseDown(int x, int y);
    bool pause(int ms, bool tasten);
    void ende();

    const silben::Art& m_art;
    Blockwahl* m_blockwahl = nullptr;
    Uebungslauf m_lauf;
    silben::Runde m_runde;
    bool m_gitterDa = false;  // a run has drawn a grid: it is shown again after a close
    int m_block = 0;
    int m_cw = 0, m_rh = 0;   // cell width and height
    float m_fx = 0, m_fy = 0; // frame units, a cell is 10 x 10
    // kept for the program run
    int m_cx = 0, m_cy = 0;
    bool m_tasten = false;
};
