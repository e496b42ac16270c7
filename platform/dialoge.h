#pragma once
// The dialogs of the window system: the plain message box with its O.K. button,
// the message box with a choice of buttons and an icon, the input box.
// Tests put a script in place that records every text and gives the answers.
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

namespace dialog {

enum class Knopf { OK, Ja, Nein, Abbrechen };
enum class Knoepfe { JaNeinAbbrechen, JaNein };
enum class Symbol { Keins, Warnung, Frage, Information, Fehler };

void zeige(const QString& text);
Knopf frage(const QString& text, const QString& titel, Knoepfe knoepfe, Symbol symbol);
// The typed text, or the default text when the box is cancelled.
QString eingabe(const QString& titel, const QString& aufforderung, const QString& vorgabe);

// A script for tests: records each dialog's text and answers from queues
// (O.K./Cancel when a queue is empty). Active from construction to destruction.
class Skript {
public:
    Skript();
    ~Skript();
    Skript(const Skript&) = delete;
    Skript& operator=(const Skript&) = delete;

    QStringList texte;                            // every text shown, in order
    QStringList titel;                            // the caption of each
    std::deque<Knopf> antworten;                  // for frage
    std::deque<std::optional<QString>> eingaben;  // for eingabe; nullopt = cancelled
    std::function<void(const QString&)> beimZeigen;  // called while each box of zeige is up

private:
    Skript* m_vorher;
    friend void zeige(const QString&);
    friend Knopf frage(const QString&, const QString&, Knoepfe, Symbol);
    friend QString eingabe(const QString&, const QString&, const QString&);
};

}
