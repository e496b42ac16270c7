#pragma once
// The writing of a data file, shared by Satzdatei, Dateigruppe and
// satzdatei::schreibeDatei (whose comment below gives the rule): a hidden copy
// beside the file that replaces it, or the records written into the file
// itself through its locked descriptor; and the clean-up of the copies a
// killed write left behind.
#include "common/deskriptor.h"

#include <QByteArray>
#include <QString>
#include <functional>

class Dateisperre;

namespace satzdatei {

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

// Puts daten whole into the file that sperre holds, which may change its size:
// on an NFS or SMB share in place, through the locked descriptor, then cut to
// daten's size and synced; elsewhere by the rule of schreibeDatei. alt receives
// the file's bytes before anything is written, so a caller can put them back
// the same way. A file that holds daten already is left alone. Throws EAFehler
// like schreibeDatei.
void ersetzeGanz(Dateisperre& sperre, const QByteArray& daten, QByteArray& alt);

// From here on the writers' shared parts. ziel serves content/ as well: the
// refresh orders its locks by the files the paths name, as every writer does.

// The file a path names, as an absolute path; a symbolic link is written
// through, not replaced.
QByteArray ziel(const QString& pfad);

// The whole of the file open as fd; 223 when it is larger than any data file,
// 100 when it ends before its size.
QByteArray liesGanz(int fd);

// A temporary copy beside a file. Its writer holds it locked while it lives,
// so the clean-up at start leaves it alone; left unused, it is removed.
class Kopie {
public:
    Kopie() = default;
    Kopie(QByteArray name, Deskriptor fd) : m_name(std::move(name)), m_fd(std::move(fd)) {}
    Kopie(Kopie&&) noexcept = default;
    Kopie& operator=(Kopie&& k) noexcept;
    ~Kopie() { verwerfen(); }

    explicit operator bool() const { return m_fd.offen(); }

    // Writes daten into the copy and syncs it.
    void fuelle(const QByteArray& daten);
    // Renames the copy over its file and gives up its descriptor, which still
    // holds the copy's lock: the caller keeps it while it holds the file.
    Deskriptor ersetze(const QByteArray& zielpfad);

private:
    void verwerfen();

    QByteArray m_name;
    Deskriptor m_fd;
};

// One file's write: a filled copy to rename over it, or none when the records
// go into the file itself, through the descriptor of sperre.
struct Auftrag {
    QByteArray ziel;
    QByteArray daten;
    QByteArray alt;  // the file's bytes as they are (empty: read them from the file)
    int satzgroesse = 0;
    Dateisperre* sperre = nullptr;  // the lock held on the file; none for a new file
    Kopie kopie;

    // Makes and fills the copy, if the file is written through one.
    void vorbereiten();
    // Writes the file; true when it was replaced by its copy.
    bool ausfuehren();
};

// The folder of a path.
QByteArray ordnerVon(const QByteArray& pfad);
// Makes renames in ordner durable; a failure here changes no file's bytes.
void syncOrdner(const QByteArray& ordner);

// One Auftrag, prepared and carried out, with its folder synced.
void schreibeSaetze(const QByteArray& zielpfad, const QByteArray& daten, const QByteArray& alt, int satzgroesse,
                    Dateisperre* sperre);

}
