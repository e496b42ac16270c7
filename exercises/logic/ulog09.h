#pragma once
// "Reihenfolge" (Tlog09, program 51) and "Planen" (Tpra09, program 101): four
// shuffled items on a drawn sheet, picked in their right order by the letters
// "A" to "D" or a click; 15 tasks, 25 points per item in its right place.
// One window class, the two members as rows.
#include "exercises/logic/ordnen.h"
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

#include <QString>
#include <QStringList>
#include <vector>

class Malflaeche;
class QLabel;
class QPushButton;
class QTextEdit;

struct Reihenfolgeart {
    int programm;
    QString klasse;
    QString titel;
    QString datei;
    int satzgroesse;
    int saetze;    // records read
    int aufgaben;  // tasks to draw from (records, or groups of four)
    int zeichen;   // the longest item, which must fit its column
};

class Tlog09 : public Form {
    Q_OBJECT
public:
    static constexpr int kAufgaben = 15;
    static const std::vector<Reihenfolgeart>& mitglieder();
    static const Reihenfolgeart& mitglied(int programm);

    explicit Tlog09(const Reihenfolgeart& art);

    // Read by tests.
    const ordnen::Aufgabe& aufgabe() const { return m_aufgabe; }
    const ordnen::Auswahl& auswahl() const { return m_auswahl; }
    bool offen() const { return m_offen; }
    float punkte() const { return m_lauf.punkte; }
    int ex() const { return m_ex; }
    int ey() const { return m_ey; }
    int schrifthoehe() const { return m_schrift; }
    // The row (1..4) of a point on the sheet in the VORGABE column, 0 elsewhere.
    int zeileBei(int x, int y) const;

    QPushButton* start = nullptr;
    QPushButton* weiter = nullptr;
    QLabel* aufzahl = nullptr;
    QTextEdit* ausgabe = nullptr;
    Malflaeche* pb = nullptr;

protected:
    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void FormCreate();
    void startClick();
    void neueAufgabe();
    void bemesse();
    void aufbau();
    void zeichnePicks();
    void zeichneUrteil();
    void waehle(int zeile);
    void reaktion();
    void check();
    void weiterClick();

    const Reihenfolgeart& m_art;
    Uebungslauf m_lauf;
    QStringList m_saetze;
    std::vector<bool> m_benutzt;
    ordnen::Aufgabe m_aufgabe;
    ordnen::Auswahl m_auswahl;
    int m_zaehler = 0;
    bool m_offen = false;  // picking enabled: from the start of a task until it is scored
    int m_ex = 0, m_ey = 0, m_schrift = 0;
};
