#pragma once
// Helpers of the falling-block tests: a scripted random sequence, the clock,
// keys as a person types them, and a look at the board image.
#include "common/satzdatei.h"
#include "common/uhr.h"
#include "common/zufall.h"
#include "exercises/reaction/fallfenster.h"
#include "shell/ergebnisse.h"
#include "tests/support/testuhr.h"

#include <QApplication>
#include <QTest>
#include <deque>
#include <memory>

// The number r in [0,1) that a draw trunc(r * K) turns into k.
inline double wahl(int k, int K) { return (k + 0.5) / K; }

// Random numbers in the order given; the test fails when the game draws more.
class Zufallsfolge {
public:
    Zufallsfolge()
    {
        zufall::setzeFolge([w = m_werte]() {
            if (w->empty()) {
                QTest::qFail("more random numbers drawn than scripted", __FILE__, __LINE__);
                return 0.0;
            }
            const double v = w->front();
            w->pop_front();
            return v;
        });
    }
    ~Zufallsfolge() { zufall::setzeFolge(nullptr); }
    void mehr(std::initializer_list<double> werte) { m_werte->insert(m_werte->end(), werte); }
    bool leer() const { return m_werte->empty(); }

private:
    std::shared_ptr<std::deque<double>> m_werte = std::make_shared<std::deque<double>>();
};

// A key as typed: to the focused control of the window, or to the window.
inline void tippeTaste(QWidget* fenster, Qt::Key k)
{
    QWidget* ziel = QApplication::focusWidget();
    QTest::keyClick(ziel && ziel->window() == fenster ? ziel : fenster, k);
}

inline void tippeTasten(QWidget* fenster, const QString& tasten)
{
    for (QChar c : tasten) {
        if (c == QLatin1Char('L'))
            tippeTaste(fenster, Qt::Key_Left);
        else if (c == QLatin1Char('R'))
            tippeTaste(fenster, Qt::Key_Right);
        else if (c == QLatin1Char('U'))
            tippeTaste(fenster, Qt::Key_Up);
        else if (c == QLatin1Char('D'))
            tippeTaste(fenster, Qt::Key_Down);
    }
}

// The colour in the middle of cell (x, y) of the board image.
inline QColor zellfarbe(Fallfenster& f, int x, int y)
{
    const int w = f.zellenbreite(), h = f.zellenhoehe();
    return f.pb->bild().pixelColor(x * w + w / 2, y * h + h / 2);
}

// Empties the field (columns 1..9, rows -1..13).
inline void leereFeld(Fallfenster& f)
{
    for (int x = 1; x <= 9; ++x)
        for (int y = -1; y <= 13; ++y)
            f.spiel().brett.setze(x, y, 0);
}

inline QList<QPoint> zellen(const fall::Stein& s)
{
    QList<QPoint> z;
    for (const fall::Block& b : s.bloecke)
        z << QPoint(b.x, b.y);
    return z;
}

// The newest result of a user for a program, as stored.
inline QString letztesErgebnis(int programm, int nutzerNr)
{
    Satzdatei d(ergebnis::dateiname(programm / 12 - 1), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer(programm % 12, nutzerNr, 9));
    return d.liesText();
}
