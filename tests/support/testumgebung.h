#pragma once
// Shared helpers of the tests: a working folder of their own, modal windows,
// typing text with umlauts.
#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <functional>

class QWidget;
namespace dialog {
class Skript;
}

// A freshly built working folder that is the current folder while it lives.
class Arbeitsordner {
public:
    Arbeitsordner();
    ~Arbeitsordner();
    QString pfad(const QString& datei) const { return m_dir.filePath(datei); }
    QByteArray lies(const QString& datei) const;
    void schreibe(const QString& datei, const QByteArray& daten) const;
    // Every file in it, hidden ones too: a temporary copy left behind shows here.
    QStringList dateien() const;

private:
    QTemporaryDir m_dir;
    QString m_vorher;
};

// Acts once on the next modal window that opens and is active (after the call that blocks),
// then, after the timeout, rejects every modal window left, so a failing test
// fails instead of hanging.
class ModalWaechter {
public:
    explicit ModalWaechter(std::function<void(QWidget*)> aktion, int timeoutMs = 5000);
    ~ModalWaechter();
    bool ausgeloest() const { return *m_ausgeloest; }

private:
    std::shared_ptr<bool> m_ausgeloest;
    std::shared_ptr<bool> m_aktiv;
};

// While it lives, a window shown modally is shown and hidden at once and its
// object name recorded, and the program table holds the administration windows.
class Fensterprotokoll {
public:
    Fensterprotokoll();
    ~Fensterprotokoll();
    QStringList gezeigt;
};

// Types text into a widget, umlauts and ß included.
void tippe(QWidget* w, const QString& text);

// The user register with namen from slot 1 on, every other slot free.
void setzeRegister(const QStringList& namen);
// The user of slot (from 1) as the user choice leaves him: nutzer and
// nutzername set, and name in that slot of the working folder's register, so
// that the end of a run saves for him.
void waehleNutzer(int slot, const QString& name);
// A stored result of user u in program n, and its line on the results sheet,
// as a finished run leaves them, without the check of the register.
void ergein(int u, int programmnummer, float punkte);
// A highscore of nutzername in program n, and the rest of the sheet's line.
void highein(int programmnummer, float punkte);
// Enters a user through "N. eintragen" as a person does: the name, then Enter.
void trageEinImFenster(const QString& name);
// Deletes the user of slot 2 through "Nutzer löschen" as a person does: the
// grid, then (after vorDerWahl) Down and Enter; "Noch einen?" is answered No.
void loescheZweiten(dialog::Skript& skript, const std::function<void()>& vorDerWahl = {});
