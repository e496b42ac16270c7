#pragma once
// The frame of the number boards ("Mathespiel", "Matrix+", "Matrix*"): "Start",
// the board image "pb", the target "lb1", the result "lb2", "weiter" and the
// counter "aufzahl"; picks by mouse or by a keyboard frame that the arrows move,
// wrapping, and Enter picks; after a round or board only "weiter" goes on. A
// window adds its board logic and how the board is drawn.
#include "platform/form.h"
#include "shell/uebungsrahmen.h"

#include <QRect>
#include <QString>

class Leinwand;
class Malflaeche;
class QLabel;
class QPushButton;

class Zahlbrett : public Form {
    Q_OBJECT
public:
    QPushButton* start = nullptr;
    Malflaeche* pb = nullptr;
    QLabel* lb1 = nullptr;
    QLabel* lb2 = nullptr;
    QPushButton* weiter = nullptr;
    QLabel* aufzahl = nullptr;

    // Draws the whole board at the image's size (public for the benchmark).
    void aufbau();

    bool laeuft() const { return m_lauf.laeuft(); }
    float punkte() const { return m_lauf.punkte; }
    int cw() const { return m_cw; }
    int ch() const { return m_ch; }
    // The keyboard frame's cell.
    QPoint rahmenfeld() const { return {m_cx, m_cy}; }

protected:
    struct Mass {
        int spalten;
        int zeilen;
        QRect rahmenfelder;  // the cells the keyboard frame moves over
        // the image's height from the outer height, its width from its height
        int hoeheZaehler, hoeheNenner;
        int breiteZaehler, breiteNenner;
    };
    Zahlbrett(const QString& klasse, const QString& titel, int programm, int runden, const Mass& mass);

    // The board logic: a new run with its first round or board, the next one
    // (false after the last), the counter, whether a round or board is open and
    // its target.
    virtual void neuerLauf() = 0;
    virtual bool naechste() = 0;
    virtual int runde() const = 0;
    virtual bool logikOffen() const = 0;
    virtual int ziel() const = 0;
    // Draws the board's cells after the image has its size.
    virtual void maleBrett(Leinwand& c) = 0;
    // A pick of the cell (x, y) while a round or board is open.
    virtual void waehle(int x, int y, bool tastatur) = 0;
    // The colour that erases the keyboard frame in (x, y).
    virtual QColor rahmenGrund(int x, int y) const = 0;

    // Drawing helpers in cell units.
    void gitter(Leinwand& c) const;
    // The number at its place in the cell, on the brush colour; below 10 with a blank.
    void zahl(Leinwand& c, int x, int y, int wert) const;
    void schrift(Leinwand& c) const;
    // The keyboard frame, 10 px inside its cell.
    void rahmen(Leinwand& c, int x, int y, const QColor& farbe) const;
    void setzeRahmenfeld(int x, int y);
    void zeigeZiel();
    // "weiter" after a round or board.
    void zeigeWeiter(bool fokus);

    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

    Uebungslauf m_lauf;

private:
    bool offen() const { return m_lauf.laeuft() && logikOffen(); }
    void anordnen();
    void startClick();
    void weiterClick();

    int m_programm;
    int m_runden;
    Mass m_mass;
    int m_cw = 0;
    int m_ch = 0;
    int m_cx = 0;
    int m_cy = 0;
};
