#pragma once
// The level chooser of the level puzzles: the user's status of each of the 50
// levels, a level chosen by its number opens the board, each attempt is
// scored, and 0 ends the opening as one run and stores the statuses. One
// window class; the four puzzles are rows of a table.
#include "exercises/logic/levelstand.h"
#include "platform/form.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QTextEdit;

struct Levelspiel {
    int programm;
    QString klasse;
    QString titel;
    QString datei;  // the status file
    bool regeln;    // Memo3 with the Rangieren rules, Panel1 lower down
};

class Tspielro1 : public Form {
    Q_OBJECT
public:
    // Shows the board for levelnr modally; false when it could not load its
    // level (no attempt was made).
    using Brettzeigen = std::function<bool()>;

    Tspielro1(const Levelspiel& art, Brettzeigen brett);
    static const std::vector<Levelspiel>& mitglieder();
    static const Levelspiel& mitglied(int programm);
    static QStringList rangierRegeln();

    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QTextEdit* Memo1 = nullptr;
    QTextEdit* Memo2 = nullptr;
    QTextEdit* Memo3 = nullptr;

    int punkte() const { return m_punkte; }
    const levelstand::Stati& stati() const { return m_stati; }

protected:
    void FormActivate() override;
    void FormClose() override;

private:
    void anordnen();
    void Edit1KeyUp(int taste);
    void spiele(int level);
    void ende();
    void schreiben();
    // Puts the changes of this opening onto the user's record as it is now;
    // called by Laufende::speichere, which holds the locks and checks the user.
    void sichern();

    const Levelspiel& m_art;
    Brettzeigen m_brett;
    levelstand::Stati m_stati{};
    levelstand::Stati m_gelesen{};  // as read when the chooser opened
    int m_punkte = 0;
    bool m_bereit = false;  // the statuses are read and the opening not ended
};
