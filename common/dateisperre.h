#pragma once
// Exclusive locks on data files, so that two programs on one working folder
// never interleave their read-change-write steps.
//
// The lock is a flock on the data file itself: it needs no file of its own,
// so it works in a folder the account may not write, for every account that
// may read the file, and the kernel releases it when its holder dies. A file
// replaced by a copy is a new inode: a lock taken on the old one is taken
// again on the file that now has the name, and a writer that replaces a file
// hands its lock on to the copy before it lets go of the old one.
#include <QByteArray>
#include <QString>
#include <memory>

class Dateisperre {
public:
    // The lock on the file at pfad (no link: a link's target), shared by every
    // Satzdatei of this process on that file. Waits while another program
    // holds it, at most the bound; throws EAFehler (2 missing, 5 refused, 33
    // held longer than the bound, with a text naming anzeigename).
    static std::shared_ptr<Dateisperre> nimm(const QByteArray& pfad, const QString& anzeigename);
    ~Dateisperre();
    Dateisperre(const Dateisperre&) = delete;
    Dateisperre& operator=(const Dateisperre&) = delete;

    // The locked file, open for reading.
    int fd() const { return m_fd; }
    // The file was replaced by a copy open as fd and locked already: hold that one.
    void uebernimm(int fd);

    // Test seam: the bound in milliseconds (0 restores the default).
    static void setzeWartezeit(int ms);

private:
    Dateisperre(QByteArray pfad, int fd) : m_pfad(std::move(pfad)), m_fd(fd) {}
    QByteArray m_pfad;
    int m_fd;
};
