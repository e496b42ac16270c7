#pragma once
// The pair grids: two columns of six cells hold the halves of six pairs,
// shuffled; the user picks two cells by mouse or by arrow keys and Enter, a
// match gains 100 points, a wrong second pick costs 40. One window class, the
// members as rows of a table: the word and knowledge grids and "Farben" choose
// a block first and store a block-coded score, the two arithmetic grids start
// when shown and store whole points.
#include "exercises/shared/paargitter.h"
#include "exercises/shared/zuordnung.h"
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

#include <QString>
#include <vector>

class Blockwahl;
class Malflaeche;
class QLabel;
class QLineEdit;

struct Zuordnungsart {
    enum class Gruppen {
        BlockRunde,  // (block - 1) x 5 + round
        Farben,      // block 0: three different groups at random; block b: b - 1 + round
        Runde,       // the round itself, no block
    };
    enum class Wertung {
        Blockcode,         // block in the hundredths, the message shows 7 characters
        BlockcodeGanz,     // block in the hundredths, the message shows whole points
        Ganz,              // whole points
    };
    int programm;
    QString klasse;   // object name of the window
    QString titel;
    QString wahlText; // the block choice's prompt; empty: no block choice
    QString datei;
    int saetze;       // records read
    int runden;
    int blockVon;
    int blockBis;
    int wahlLaenge;   // characters the field takes, 0 for no limit
    Gruppen gruppen;
    bool aussenmass;  // units from the window's outer size, not the grid's
    Wertung wertung;
    int schriftFaktor;    // the text's cell height in vertical units
    bool fensterflaeche;  // drawn on the window itself, no image
};

class Tzuo01 : public Form {
    Q_OBJECT
public:
    explicit Tzuo01(const Zuordnungsart& art);

    static const std::vector<Zuordnungsart>& mitglieder();
    static const Zuordnungsart& mitglied(int programm);

    const Zuordnungsart& art() const { return m_art; }
    const zuordnung::Runde& runde() const { return m_runde; }
    int rundenNr() const { return m_rundenNr; }
    bool laeuft() const { return m_lauf.laeuft(); }
    float punkte() const { return m_lauf.punkte; }
    const Paargitter& gitter() const { return m_gitter; }
    // The groups of the run so far, one per round.
    const std::vector<int>& gruppen() const { return m_gruppen; }
    // What the grid is drawn on.
    QImage bild();

    Blockwahl* blockwahl = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* wahl = nullptr;
    Malflaeche* image = nullptr;

    // Lays out and draws the current round's grid (public for the benchmark).
    void aufbau();

    // Whole points at the end of a run with punkte before the time came off.
    static float endpunkte(float punkte, double sekunden);

protected:
    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void starte(int block);
    void mischen();
    void rahmen(int spalte, int zeile);
    void loeschen(int spalte, int zeile);
    void check(int spalte, int zeile);
    void schreibe(int spalte, int zeile, const QColor& farbe);
    void ende();
    Leinwand& leinwand();
    void zeige();

    const Zuordnungsart& m_art;
    Uebungslauf m_lauf;
    Paargitter m_gitter;
    zuordnung::Runde m_runde;
    QStringList m_tabelle;
    std::vector<int> m_gruppen;
    std::vector<int> m_farbgruppen;  // "Farben" with block 0: the groups drawn for the run
    int m_block = 0;
    int m_rundenNr = 0;
    int m_cx = 0;
    int m_cy = 0;
};
