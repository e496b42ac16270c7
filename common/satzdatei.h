#pragma once
// Record files: headerless sequences of fixed-size records made of short-string
// records (a length byte and a fixed number of Windows-1252 characters).
//
// A file is opened (it must exist), positioned, read or written record by record
// and closed, all within one handler. Writes change the copy in memory; closing
// saves them (see satzdatei::schreibeDatei). The file never grows or shrinks:
// reading or writing past its end is error 100.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
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

// Writes daten to pfad through a temporary copy beside it (beside a link's
// target) that gets the file's owner, group and mode, is synced and renamed over
// it: pfad then holds either its old bytes or all of daten. Where the copy
// cannot get that owner and group (another account's file), the folder takes
// no new file, or the file lies on an NFS or SMB share and keeps its size, the
// bytes go into the file itself, one differing record at a time (the whole
// file is one record here), through the descriptor its lock holds, and are
// synced; a failure gives the records written so far their old bytes back. A
// kill in the middle of such a write leaves the file at its size with the
// records before it new and the rest old. A file that is there is written
// under its lock (see Dateisperre); a new file gets the permissions of the
// umask. Throws EAFehler (5 access refused, 100 a file written in place is no
// longer its size, 101 disk full, 33 held by another program, any other
// failure by EAFehler::ausErrno).
void schreibeDatei(const QString& pfad, const QByteArray& daten);

// Removes the temporary copies (".name.velmora-" and six characters) that a
// killed write left in ordner and beside the targets of its links: only those
// that no writer holds locked and that nobody touched for a minute.
void raeumeAuf(const QString& ordner = QStringLiteral("."));

// Test seam: the n-th following step of that kind fails as on a full disk
// (once; n <= 0 switches it off). Writing is one step per file, syncing its
// contents to the disk another, renaming it over the original the last. A file
// written in place fails its writing step after its first record.
enum class Schritt { Schreiben, Leeren, Abschliessen };
void setzeFehlerNach(Schritt art, int n);
// Test seam: runs once each copy is written and synced, before it replaces its
// file; an empty function switches it off.
void setzeVorDemErsetzen(std::function<void()> f);
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
