#pragma once
// The monkey: seeded random keys, clicks and message-box answers for whatever
// modal window is on top, delivered through the window system's own queue as a
// person's input would be. Once its budget is spent it only closes the window on
// top by that window's own ways, until the caller's modal call returns.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <atomic>
#include <functional>
#include <mutex>
#include <random>
#include <string>
#include <thread>

// Aborts the process with a message when the monkey has not ticked for too
// long: the event loop is stuck in a handler.
class Wachhund {
public:
    explicit Wachhund(int grenzeMs);
    ~Wachhund();
    void scharf(const QString& wer);  // who runs now, for the message
    void lebt(const QString& was);    // a tick, and what it did
    void ruhe();

private:
    void wache();

    const int m_grenzeMs;
    std::atomic<bool> m_ende{false};
    std::atomic<bool> m_scharf{false};
    std::atomic<qint64> m_zuletzt{0};
    std::mutex m_mutex;
    std::string m_wer;
    std::string m_was;
    std::thread m_faden;
};

class Affe : public QObject {
public:
    Affe(quint32 saat, long budget, Wachhund* hund);

    // Ticks until stopped; each tick acts once on the window on top.
    void starte();
    void halte();
    long ereignisse() const { return m_ereignisse; }
    bool schliesst() const { return m_ereignisse >= m_budget; }
    // Ticks spent closing the windows of this run.
    long schliesstakte() const { return m_schliesstakte; }
    QString letzteAktion() const { return m_aktion; }
    // Presses of keys and mouse buttons that reached a control.
    long zugestellt() const { return m_zugestellt; }
    // The current program's name and seed, for messages.
    QString wer;

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override;

private:
    void takt();
    void zufallsaktion(QWidget* oben);
    void schliesse(QWidget* oben);

    void taste(QWidget* oben, Qt::Key key, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier);
    void klick(QWidget* oben, QPoint p, bool doppelt = false);
    void klickeAuf(QWidget* oben, QWidget* ziel);
    void zufallstaste(QWidget* oben);

    int wuerfel(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_zufall); }

    std::mt19937 m_zufall;
    long m_budget;
    Wachhund* m_hund;
    bool m_laeuft = false;
    long m_ereignisse = 0;
    long m_schliesstakte = 0;
    long m_zugestellt = 0;
    bool m_angekommen = false;  // the press being sent has reached a control
    ulong m_zeit = 0;  // mouse timestamps, far apart unless a double click is meant
    QString m_aktion;
    QPointer<QWidget> m_schliessziel;
    int m_schritt = 0;
};
