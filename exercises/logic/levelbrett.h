#pragma once
// The window the Springen and Schieben boards share: the board picture `pb`,
// the level number, "zurück", their layout, the unit u, the arrow keys and
// Esc, and the level record levelnr - 1 of 101 bytes. A board adds its rules
// and its drawing; success shows its message once, adds 100 to levelnr and
// closes; every other ending closes unchanged.
#include "platform/form.h"

#include <QByteArray>
#include <QPoint>
#include <vector>

class Malflaeche;
class QLabel;
class QPushButton;

class Levelbrett : public Form {
    Q_OBJECT
public:
    Malflaeche* pb = nullptr;
    QLabel* levelzeig = nullptr;
    QPushButton* button1 = nullptr;

    // Whether the last opening loaded its level.
    bool geladen() const { return m_geladen; }
    int einheit() const { return m_u; }
    // Draws the whole board (public for the benchmark).
    void aufbau();

protected:
    Levelbrett(const QString& klasse, const QString& titel, const QString& datei);

    // The level's 100 letters into the rules.
    virtual void lade(const QByteArray& zellen) = 0;
    virtual int feld(int x, int y) const = 0;
    virtual void zelle(int x, int y) = 0;  // draws one cell from the rules
    virtual void roboter() = 0;            // the cursor or the pusher
    virtual void pfeil(int richtung) = 0;  // 1 up, 2 right, 3 down, 4 left
    // A key other than the arrows and Esc; true when the board takes it.
    virtual bool sondertaste(int) { return false; }
    virtual bool geloest() const = 0;

    // Draws the cells again, then the mark.
    void zeichne(const std::vector<QPoint>& zellen);
    // After every key or click: the success message once per opening.
    void pruefe(const QString& meldung);
    bool offen() const { return m_offen; }

    void FormActivate() override;
    void FormClose() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;

private:
    void anordnen();

    QString m_datei;
    int m_u = 0;
    bool m_geladen = false;
    bool m_offen = false;  // the opening has no outcome yet
};
