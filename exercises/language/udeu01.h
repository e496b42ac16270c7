#pragma once
// The ordering exercises on one picture: "Sortieren" (Tdeu01, program 41) puts
// four to six words in ascending order, "Satzbau" (Tdeu06, program 50) puts the
// shuffled words of a sentence back in order. Words are picked by their key
// letter or a click; blank, the right mouse button (and Backspace in "Satzbau")
// take the last pick back. 20 tasks per run.
#include "exercises/language/ordnung.h"
#include "platform/form.h"
#include "platform/leinwand.h"
#include "shell/uebungsrahmen.h"

#include <QColor>
#include <QLabel>
#include <QPushButton>

// What "Satzbau" does differently from "Sortieren".
struct Sortierart {
    int programm;
    QString klasse;  // object name of the window
    QString titel;
    // The table read at the start of a run.
    QStringList (*lade)();
    // The next task for the level reached; benutzt marks the table's entries
    // used in this run.
    ordnung::Aufgabe (*mache)(const QStringList& tabelle, std::vector<bool>& benutzt, int stufe);
    int stufeStart;        // words per task, or the band of sentences
    int stufeAlle;         // the level grows at every n-th right answer
    int stufeHoechstens;
    int weiterObenZaehler;  // top of "weiter": client height x z / n
    int weiterObenNenner;
    int bildObenTeiler;     // top of the picture: free height div t
    bool ruecktaste;        // Backspace takes a pick back too
    QColor loesungsfarbe;   // of the solution shown after "FEHLER!"
};

const Sortierart& sortierart(int programm);  // 41 or 50

class Tdeu01 : public Form {
    Q_OBJECT
public:
    explicit Tdeu01(const Sortierart& art, QWidget* parent = nullptr);

    const Sortierart& art() const { return m_art; }
    const ordnung::Aufgabe& aktuelleAufgabe() const { return m_aufgabe; }
    int gewaehlt() const { return static_cast<int>(m_eingabe.size()); }
    int stufe() const { return m_stufe.wert(); }

    QPushButton* start;
    QPushButton* weiter;
    QLabel* aufzahl;
    Malflaeche* pb;

protected:
    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void FormCreate();
    void startClick();
    void aufgabe();
    void aufbau();
    void FormKeyPress(int zeichen);
    void pbMouseDown(QMouseEvent* e);
    void FormMouseDown(QMouseEvent* e);
    void waehle(int position);
    void reaktion();
    void check();
    void weiterClick();
    void schreibe(int x, int y, const QString& text, const QColor& farbe);
    void loesche(int x, int y, const QString& text);

    const Sortierart& m_art;
    Uebungslauf m_lauf;
    QStringList m_tabelle;
    std::vector<bool> m_benutzt;
    ordnung::Aufgabe m_aufgabe;
    std::vector<QString> m_eingabe;  // the words picked so far
    ordnung::Stufe m_stufe;
    int m_zaehler = 0;
    bool m_offen = false;
    int ex = 0;
    int ey = 0;
};
