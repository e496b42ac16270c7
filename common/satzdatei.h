#pragma once
// Record files: headerless sequences of fixed-size records made of short-string
// records (a length byte and a fixed number of Windows-1252 characters).
//
// A file is opened (it must exist), positioned, read or written record by record
// and closed, all within one handler. Writes change the copy in memory; closing
// saves them (by the rule of satzdatei::schreibeDatei, common/dateischreiben.h). The file never grows or shrinks:
// reading or writing past its end is error 100.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class Dateisperre;

namespace kurztext {
// The text of the short string at p (length byte, then kapazitaet characters);
// a length byte above the capacity is clamped to it, and then the text ends at
// the first zero byte, which is padding.
QString lies(const char* p, int kapazitaet);
// Stores text at p, cut to the capacity; the unused characters become zero bytes.
void schreibe(char* p, int kapazitaet, const QString& text);
// A whole record of one short string.
QByteArray satz(const QString& text, int kapazitaet);
}

namespace satzdatei {
// No data file of the program comes near this (the largest, the highscores, has
// 103950 bytes; content files stay below 20 KB): a larger one is damaged and is
// refused with EAFehler 223 before it is read.
constexpr qint64 kHoechstgroesse = 4 * 1024 * 1024;

}

// A Satzdatei holds its file locked from opening to closing (see Dateisperre),
// so one read-change-write is one step for every program on the working
// folder. Saving puts only the records this object changed onto the file as
// it is at that moment.
class Satzdatei {
public:
    // Opens an existing file in the working folder; throws EAFehler 2 if it is
    // missing, 223 if it is larger than satzdatei::kHoechstgroesse, 33 if
    // another program holds it too long (with the text of a refused read: a
    // save that must say nothing was saved opens its files as a Dateigruppe).
    // An account that may only read the file holds it with a shared lock and
    // cannot write it (EAFehler 5).
    Satzdatei(const QString& name, int satzgroesse);
    // Records written before a failure stay written: pending writes are saved here too.
    ~Satzdatei();
    Satzdatei(const Satzdatei&) = delete;
    Satzdatei& operator=(const Satzdatei&) = delete;

    int satzzahl() const;
    int satzgroesse() const { return m_groesse; }
    void positioniere(int satz);
    int position() const { return m_pos; }

    // The record at the position; the position moves on by one.
    QByteArray lies();
    void schreibe(const QByteArray& satz);
    // Records of a single short string of capacity satzgroesse - 1.
    QString liesText();
    void schreibeText(const QString& text);

    // Saves pending writes; throws EAFehler (5 access refused, 101 disk full).
    void schliesse();

    // The first anzahl records of a file of single short strings, and writing
    // such records back from record 0.
    static QStringList liesTexte(const QString& name, int satzgroesse, int anzahl);
    static void schreibeTexte(const QString& name, int satzgroesse, const QStringList& texte);

private:
    friend class Dateigruppe;
    // zumSpeichern: a lock held too long is reported as a refused save, otherwise as a refused read
    Satzdatei(const QString& name, int satzgroesse, bool zumSpeichern);
    void speichere();

    QString m_name;
    int m_groesse;
    int m_pos = 0;
    QByteArray m_daten;
    QByteArray m_gelesen;  // as read or last saved: the records that differ are the ones written
    bool m_offen = true;  // false: saved already, or saved by its group
    bool m_geaendert = false;
    bool m_schreibbar = false;
    std::shared_ptr<Dateisperre> m_sperre;
};

// Files changed as one: each is read and changed in memory, then schreibe()
// writes them all, each by the rule of satzdatei::schreibeDatei, every copy
// before the first file changes. On any failure before or while writing, every
// file keeps (or is given back) its old bytes; nothing is saved when the group
// is destroyed unwritten.
class Dateigruppe {
public:
    // Locks the files of the group, in the order of their paths, so that two
    // groups never wait for each other; throws EAFehler like Satzdatei (33
    // with the text of a refused save).
    explicit Dateigruppe(const QStringList& namen);
    // Opens an existing file of the group like Satzdatei and checks that it can
    // be written (EAFehler 5 if not). A file the constructor was not given is
    // refused with std::invalid_argument; a file opened already is that one
    // again (std::invalid_argument for another satzgroesse).
    Satzdatei& oeffne(const QString& name, int satzgroesse);
    // Throws EAFehler (5, 101) after putting back what was written already.
    void schreibe();

private:
    std::vector<QByteArray> m_pfade;  // the files' paths, sorted: the order of their locks
    std::vector<std::unique_ptr<Satzdatei>> m_dateien;
    std::vector<std::shared_ptr<Dateisperre>> m_sperren;
};
