#pragma once
// "Galgenmann" (Twis06): nine words shown as dots; letters are chosen by key or
// on a board of 26 cells and fill the dots. A run ends with the ninth word.
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

#include <QLabel>
#include <QPushButton>
#include <QString>
#include <array>
#include <vector>

class Malflaeche;

// One word in play: which letters were chosen and what the display shows.
class Galgenwort {
public:
    void neu(const QString& wort);  // the word in capitals, all dots
    const QString& wort() const { return m_wort; }
    const QString& anzeige() const { return m_anzeige; }
    bool gewaehlt(int l) const { return m_gewaehlt[l - 1]; }
    bool geloest() const { return m_anzeige == m_wort; }

    struct Wahl {
        float punkte = 0.0f;         // the change of the points
        bool schonGewaehlt = false;
        bool geloest = false;        // this choice completed the word
    };
    // Letter l (1..26, "A" = 1): a letter not in the word costs 10, a letter
    // chosen before 30 more; the completed word earns 200.
    Wahl waehle(int l);

private:
    QString m_wort;
    QString m_anzeige;
    std::array<bool, 26> m_gewaehlt{};
};

class Twis06 : public Form {
    Q_OBJECT
public:
    static constexpr int kProgramm = 54;
    static constexpr int kGezogen = 12;
    static constexpr int kGespielt = 9;

    explicit Twis06(QWidget* parent = nullptr);

    // Read by tests and screenshots.
    const std::vector<QString>& woerter() const { return m_woerter; }
    const Galgenwort& spiel() const { return m_spiel; }
    bool wortOffen() const { return m_offen; }
    float punkte() const { return m_lauf.punkte; }
    int zelle() const { return m_w; }     // board cell width
    int zeile() const { return m_h; }     // board row height
    // The letter of a point on the board, 0 outside its 26 cells.
    int buchstabeBei(int x, int y) const;

    QPushButton* start = nullptr;
    QLabel* kasten;
    Malflaeche* pb1;
    QPushButton* weiter;
    QLabel* aufzahl;

protected:
    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void FormCreate();
    void startClick();
    void neueswort();
    void aufbau();
    void zeichneBrett();
    void waehle(int l);
    void weiterClick();

    Uebungslauf m_lauf;
    std::vector<QString> m_woerter;
    Galgenwort m_spiel;
    int m_zaehler = 0;
    bool m_offen = false;  // the word in play takes letters
    int m_h = 0;
    int m_w = 0;
};
