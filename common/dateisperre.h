#pragma once
// Locks on data files, so that two programs on one working folder never
// interleave their read-change-write steps.
//
// The lock is a flock on the data file itself: it needs no file of its own,
// so it works in a folder the account may not write, for every account that
// may read the file, and the kernel releases it when its holder dies. A file
// replaced by a copy is a new inode: a lock taken on the old one is taken
// again on the file that now has the name, and a writer that replaces a file
// hands its lock on to the copy before it lets go of the old one.
//
// The rules of NFS and SMB hold too: an account that may write the file opens
// it for reading and writing and takes the exclusive lock on that descriptor
// (NFS and SMB refuse an exclusive lock on a descriptor open only for
// reading); an account that may only read opens it for reading and takes a
// shared lock. All reading and writing in place goes through this descriptor
// (on SMB the lock is mandatory: a second descriptor could neither read nor
// write the locked file). The SMB client answers a lock held elsewhere with
// EACCES where others say EWOULDBLOCK: on SMB both mean "wait". A share whose
// server gives no locks (ENOLCK, EOPNOTSUPP, ENOSYS; on NFS also a missing
// lock service) is refused: two desks there would undo each other's saves.
// Only a local file system without locks (some FUSE file systems) lets the
// program go on unlocked. Any other failure of the lock is an EAFehler.
#include "common/deskriptor.h"

#include <QByteArray>
#include <QString>
#include <memory>

// The kind of file server the file open as fd lies on, as fstatfs tells.
enum class Freigabe { Keine, NFS, SMB };
Freigabe freigabeVon(int fd);

// True for the answers of a file system that gives no locks at all.
bool ohneSperren(int err);

class Dateisperre {
public:
    // What the lock is taken for; it decides only the text when it is held too long.
    enum class Zweck { Lesen, Speichern };

    // The lock on the file at pfad (no link: a link's target), shared by every
    // Satzdatei of this process on that file. Waits while another program
    // holds it, at most the bound; throws EAFehler (by EAFehler::ausErrno, 2
    // missing, 5 refused; 33 held longer than the bound, and a share without
    // locks, each with a text naming anzeigename that fits zweck).
    static std::shared_ptr<Dateisperre> nimm(const QByteArray& pfad, const QString& anzeigename, Zweck zweck);
    ~Dateisperre();
    Dateisperre(const Dateisperre&) = delete;
    Dateisperre& operator=(const Dateisperre&) = delete;

    // The locked file (its absolute path), open for reading, and for writing when schreibbar().
    const QByteArray& pfad() const { return m_pfad; }
    int fd() const { return m_fd.fd(); }
    // Open for writing and locked exclusively: this account may write the file.
    bool schreibbar() const { return m_schreibbar; }
    Freigabe freigabe() const { return m_freigabe; }
    // The file was replaced by a copy open as fd and locked already: hold that one.
    void uebernimm(Deskriptor fd);

    // Test seam: the bound in milliseconds (0 restores the default).
    static void setzeWartezeit(int ms);

private:
    Dateisperre(QByteArray pfad, Deskriptor fd, bool schreibbar, Freigabe freigabe)
        : m_pfad(std::move(pfad)), m_fd(std::move(fd)), m_schreibbar(schreibbar), m_freigabe(freigabe)
    {
    }
    QByteArray m_pfad;
    Deskriptor m_fd;
    bool m_schreibbar;
    Freigabe m_freigabe;
};
