#include "common/dateisperre.h"

#include "common/fehler.h"

#include <cerrno>
#include <ctime>
#include <map>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

// A save takes milliseconds; a holder that keeps a file this long has hung.
constexpr int kWartezeitMs = 5000;
int g_wartezeitMs = kWartezeitMs;

// The pauses between two tries: short for a save that ends at once, growing
// so that a wait on a share does not ask its server every millisecond.
constexpr qint64 kErstePauseNs = 1000000;
constexpr qint64 kLaengstePauseNs = 50000000;

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

// Sleeps for pause, but not past the deadline bis, and lets the next pause
// grow; false when bis has come.
bool warte(qint64& pause, qint64 bis)
{
    const qint64 rest = bis - jetztNs();
    if (rest <= 0)
        return false;
    const qint64 ns = qMin(pause, rest);
    const timespec t{time_t(ns / 1000000000), long(ns % 1000000000)};
    ::nanosleep(&t, nullptr);
    pause = qMin(pause * 3 / 2, kLaengstePauseNs);
    return true;
}

enum class Ausgang { Genommen, Gehalten, OhneSperren };

// Takes the lock of that kind (LOCK_EX, LOCK_SH) on fd before the deadline bis
// (ns), waiting while another program holds it. OhneSperren puts the file
// system's answer into err.
Ausgang sperre(int fd, int art, Freigabe freigabe, qint64 bis, int& err)
{
    for (qint64 pause = kErstePauseNs;;) {
        if (::flock(fd, art | LOCK_NB) == 0)
            return Ausgang::Genommen;
        err = errno;
        if (err == EINTR)
            continue;
        if (ohneSperren(err))
            return Ausgang::OhneSperren;
        const bool gehalten = err == EWOULDBLOCK || (err == EACCES && freigabe == Freigabe::SMB);
        // anything else is no reason to save unlocked
        if (!gehalten)
            throw EAFehler::ausErrno(err);
        if (!warte(pause, bis))
            return Ausgang::Gehalten;
    }
}

}

Freigabe freigabeVon(int fd)
{
    struct statfs fs;
    if (::fstatfs(fd, &fs) != 0)
        return Freigabe::Keine;
    switch (static_cast<unsigned long>(fs.f_type) & 0xFFFFFFFFul) {
    case 0x6969:  // NFS
        return Freigabe::NFS;
    case 0x517B:      // SMB
    case 0xFF534D42:  // CIFS
    case 0xFE534D42:  // SMB2
        return Freigabe::SMB;
    default:
        return Freigabe::Keine;
    }
}

bool ohneSperren(int err) { return err == ENOLCK || err == EOPNOTSUPP || err == ENOSYS; }

std::shared_ptr<Dateisperre> Dateisperre::nimm(const QByteArray& pfad, const QString& anzeigename, Zweck zweck)
{
    const auto schon = gehalten().find(pfad);
    if (schon != gehalten().end())
        if (std::shared_ptr<Dateisperre> s = schon->second.lock())
            return s;
    const bool speichern = zweck == Zweck::Speichern;
    const auto inBenutzung = [&] {
        return speichern ? EAFehler::gesperrt(anzeigename) : EAFehler::gesperrtBeimLesen(anzeigename);
    };
    const qint64 bis = jetztNs() + qint64(g_wartezeitMs) * 1000000;
    for (qint64 pause = kErstePauseNs;;) {
        bool schreibbar = false;
        Deskriptor fd = oeffne(pfad, schreibbar);
        const Freigabe freigabe = freigabeVon(fd.fd());
        int err = 0;
        switch (sperre(fd.fd(), schreibbar ? LOCK_EX : LOCK_SH, freigabe, bis, err)) {
        case Ausgang::Genommen:
            break;
        case Ausgang::Gehalten:
            throw inBenutzung();
        case Ausgang::OhneSperren:
            // a local file system without locks: read and write as before
            if (freigabe == Freigabe::Keine)
                break;
            throw EAFehler::ohneSperren(anzeigename, err, speichern);
        }
        // the locked inode must still be the file of that name: a writer
        // that held the lock may have replaced the file by a copy meanwhile
        struct stat offen, jetzt;
        if (::fstat(fd.fd(), &offen) == 0 && ::stat(pfad.constData(), &jetzt) == 0 && offen.st_dev == jetzt.st_dev
            && offen.st_ino == jetzt.st_ino) {
            std::shared_ptr<Dateisperre> s(new Dateisperre(pfad, std::move(fd), schreibbar, freigabe));
            gehalten()[pfad] = s;
            return s;
        }
        fd.schliesse();
        if (::stat(pfad.constData(), &jetzt) != 0)
            throw EAFehler::ausErrno(errno);
        // within the same bound: a client's stale view of the folder must not
        // keep this going
        if (!warte(pause, bis))
            throw inBenutzung();
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
