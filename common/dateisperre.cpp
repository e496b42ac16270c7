#include "common/dateisperre.h"

#include "common/fehler.h"

#include <cerrno>
#include <ctime>
#include <map>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A save takes milliseconds; a holder that keeps a file this long has hung.
constexpr int kWartezeitMs = 5000;
int g_wartezeitMs = kWartezeitMs;

// The locks this process holds, by path: a second Satzdatei on a file held
// already must not wait for itself.
std::map<QByteArray, std::weak_ptr<Dateisperre>>& gehalten()
{
    static std::map<QByteArray, std::weak_ptr<Dateisperre>> tabelle;
    return tabelle;
}

// In the clock's full resolution: a deadline counted in whole milliseconds
// would give up to a millisecond before the bound.
qint64 jetztNs()
{
    timespec t;
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// The file open for reading and writing, or only for reading where this
// account may not write it (schreibbar tells which).
Deskriptor oeffne(const QByteArray& pfad, bool& schreibbar)
{
    // O_NONBLOCK: a pipe of that name must not stop the program here
    int fd = ::open(pfad.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    schreibbar = fd >= 0;
    if (fd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS))
        fd = ::open(pfad.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw EAFehler::ausErrno(errno);
    return Deskriptor(fd);
}

// Takes the lock of that kind (LOCK_EX, LOCK_SH) on fd before the deadline bis
// (ns). False when another program holds it longer; true also where the file
// system has no locks.
bool sperre(int fd, int art, qint64 bis)
{
    for (;;) {
        if (::flock(fd, art | LOCK_NB) == 0)
            return true;
        const int err = errno;
        if (err == EINTR)
            continue;
        // a file system without locks: read and write as before
        if (err == ENOLCK || err == EOPNOTSUPP || err == ENOSYS)
            return true;
        // anything else is no reason to save unlocked
        if (err != EWOULDBLOCK)
            throw EAFehler::ausErrno(err);
        if (jetztNs() >= bis)
            return false;
        const timespec pause{0, 1000000};
        ::nanosleep(&pause, nullptr);
    }
}

}

std::shared_ptr<Dateisperre> Dateisperre::nimm(const QByteArray& pfad, const QString& anzeigename, Zweck zweck)
{
    const auto schon = gehalten().find(pfad);
    if (schon != gehalten().end())
        if (std::shared_ptr<Dateisperre> s = schon->second.lock())
            return s;
    const qint64 bis = jetztNs() + qint64(g_wartezeitMs) * 1000000;
    for (;;) {
        bool schreibbar = false;
        Deskriptor fd = oeffne(pfad, schreibbar);
        if (!sperre(fd.fd(), schreibbar ? LOCK_EX : LOCK_SH, bis))
            throw zweck == Zweck::Lesen ? EAFehler::gesperrtBeimLesen(anzeigename) : EAFehler::gesperrt(anzeigename);
        // the locked inode must still be the file of that name: a writer
        // that held the lock may have replaced the file by a copy meanwhile
        struct stat offen, jetzt;
        if (::fstat(fd.fd(), &offen) == 0 && ::stat(pfad.constData(), &jetzt) == 0 && offen.st_dev == jetzt.st_dev
            && offen.st_ino == jetzt.st_ino) {
            std::shared_ptr<Dateisperre> s(new Dateisperre(pfad, std::move(fd), schreibbar));
            gehalten()[pfad] = s;
            return s;
        }
        fd.schliesse();
        if (::stat(pfad.constData(), &jetzt) != 0)
            throw EAFehler::ausErrno(errno);
    }
}

Dateisperre::~Dateisperre()
{
    auto& tabelle = gehalten();
    const auto it = tabelle.find(m_pfad);
    if (it != tabelle.end() && it->second.expired())
        tabelle.erase(it);
}

void Dateisperre::uebernimm(Deskriptor fd)
{
    // the new file is locked before the old one is let go: nobody slips in
    // between; the copy is open for writing and locked exclusively
    m_fd = std::move(fd);
    m_schreibbar = true;
}

void Dateisperre::setzeWartezeit(int ms) { g_wartezeitMs = ms > 0 ? ms : kWartezeitMs; }
