#pragma once
// The writing of a data file, shared by Satzdatei, Dateigruppe and
// satzdatei::schreibeDatei (whose comment in satzdatei.h gives the rule): a
// hidden copy beside the file that replaces it, or the records written into
// the file itself through its locked descriptor; and the clean-up of the
// copies a killed write left behind. Used inside common/ only.
#include "common/deskriptor.h"

#include <QByteArray>
#include <QString>

class Dateisperre;

namespace satzdatei {

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
