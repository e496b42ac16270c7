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

int codeFuer(int err) { return err == ENOENT ? 2 : err == EACCES || err == EPERM ? 5 : 101; }

// Takes the lock on fd before the deadline bis (ns). False when another program holds it longer.
bool sperre(int fd, qint64 bis)
{
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno == EINTR)
            continue;
        // a file system without locks (ENOLCK, EOPNOTSUPP): read and write as before
        if (errno != EWOULDBLOCK)
            return true;
        if (jetztNs() >= bis)
            return false;
        const timespec pause{0, 1000000};
        ::nanosleep(&pause, nullptr);
    }
}

}

std::shared_ptr<Dateisperre> Dateisperre::nimm(const QByteArray& pfad, const QString& anzeigename)
{
    const auto schon = gehalten().find(pfad);
    if (schon != gehalten().end())
        if (std::shared_ptr<Dateisperre> s = schon->second.lock())
            return s;
    const qint64 bis = jetztNs() + qint64(g_wartezeitMs) * 1000000;
    for (;;) {
        // O_NONBLOCK: a pipe of that name must not stop the program here
        const int fd = ::open(pfad.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            throw EAFehler(codeFuer(errno));
        if (!sperre(fd, bis)) {
            ::close(fd);
            throw EAFehler::gesperrt(anzeigename);
        }
        // the locked inode must still be the file of that name: a writer
        // that held the lock may have replaced the file by a copy meanwhile
        struct stat offen, jetzt;
        if (::fstat(fd, &offen) == 0 && ::stat(pfad.constData(), &jetzt) == 0 && offen.st_dev == jetzt.st_dev
            && offen.st_ino == jetzt.st_ino) {
            std::shared_ptr<Dateisperre> s(new Dateisperre(pfad, fd));
            gehalten()[pfad] = s;
            return s;
        }
        ::close(fd);
        if (::stat(pfad.constData(), &jetzt) != 0)
            throw EAFehler(codeFuer(errno));
    }
}

Dateisperre::~Dateisperre()
{
    ::close(m_fd);
    auto& tabelle = gehalten();
    const auto it = tabelle.find(m_pfad);
    if (it != tabelle.end() && it->second.expired())
        tabelle.erase(it);
}

void Dateisperre::uebernimm(int fd)
{
    // the new file is locked before the old one is let go: nobody slips in between
    ::close(m_fd);
    m_fd = fd;
}

void Dateisperre::setzeWartezeit(int ms) { g_wartezeitMs = ms > 0 ? ms : kWartezeitMs; }
