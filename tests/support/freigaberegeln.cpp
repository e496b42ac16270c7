// The simulated lock rules of NFS and SMB (see freigaberegeln.h). The
// functions below are defined in the test program itself, so they come before
// the C library's for every caller, the program's libraries included; each
// passes on to the next definition (the C library's, or a sanitizer's in front
// of it), found through dlsym(RTLD_NEXT).
// a fortified build would make read and pread inline wrappers of their own
#undef _FORTIFY_SOURCE
#include "tests/support/freigaberegeln.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

struct CBibliothek {
    int (*flock)(int, int);
    ssize_t (*read)(int, void*, size_t);
    ssize_t (*write)(int, const void*, size_t);
    ssize_t (*pread)(int, void*, size_t, off_t);
    ssize_t (*pwrite)(int, const void*, size_t, off_t);
    ssize_t (*pread64)(int, void*, size_t, off64_t);
    ssize_t (*pwrite64)(int, const void*, size_t, off64_t);
    int (*fstatfs)(int, struct statfs*);
};

template <typename F>
F naechste(const char* name)
{
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

const CBibliothek& libc()
{
    static const CBibliothek c{
        naechste<int (*)(int, int)>("flock"),
        naechste<ssize_t (*)(int, void*, size_t)>("read"),
        naechste<ssize_t (*)(int, const void*, size_t)>("write"),
        naechste<ssize_t (*)(int, void*, size_t, off_t)>("pread"),
        naechste<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite"),
        naechste<ssize_t (*)(int, void*, size_t, off64_t)>("pread64"),
        naechste<ssize_t (*)(int, const void*, size_t, off64_t)>("pwrite64"),
        naechste<int (*)(int, struct statfs*)>("fstatfs"),
    };
    return c;
}

// -1: not yet read from the environment
std::atomic<int> g_regeln{-1};
std::atomic<long> g_dateisystem{0};
std::atomic<int> g_flockFehler{0};
std::atomic<int> g_flockFehlerAnzahl{0};
std::atomic<freigabe::Beobachter> g_beobachter{nullptr};

freigabe::Regeln jetzt()
{
    int r = g_regeln.load();
    if (r < 0) {
        const char* v = std::getenv("VELMORA_FREIGABE");
        r = int(v && std::strcmp(v, "nfs") == 0   ? freigabe::Regeln::NFS
                : v && std::strcmp(v, "smb") == 0 ? freigabe::Regeln::SMB
                                                  : freigabe::Regeln::Lokal);
        g_regeln.store(r);
    }
    return freigabe::Regeln(r);
}

// The whole of a file of /proc, read past the program's own read.
std::string liesProc(const char* pfad)
{
    std::string text;
    const int fd = ::open(pfad, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return text;
    char puffer[4096];
    for (ssize_t k; (k = libc().read(fd, puffer, sizeof puffer)) > 0;)
        text.append(puffer, size_t(k));
    ::close(fd);
    return text;
}

}

int freigabe::eigeneSperre(int fd)
{
    char pfad[64];
    std::snprintf(pfad, sizeof pfad, "/proc/self/fdinfo/%d", fd);
    const std::string text = liesProc(pfad);
    for (size_t z = text.find("lock:"); z != std::string::npos; z = text.find("lock:", z + 1)) {
        const std::string zeile = text.substr(z, text.find('\n', z) - z);
        if (zeile.find("FLOCK") != std::string::npos)
            return zeile.find("WRITE") != std::string::npos ? LOCK_EX : LOCK_SH;
    }
    return 0;
}

namespace {

// The flock locks on the file st that any descriptor holds, as /proc/locks
// lists them ("1: FLOCK  ADVISORY  WRITE 1234 fd:01:5678 0 EOF"; a waiter's
// line has "->"): LOCK_EX if one is exclusive, LOCK_SH if all are shared, 0.
int sperrenAuf(const struct stat& st)
{
    char kennung[64];
    std::snprintf(kennung, sizeof kennung, "%02x:%02x:%lu", ::major(st.st_dev), ::minor(st.st_dev),
                  static_cast<unsigned long>(st.st_ino));
    const std::string alle = liesProc("/proc/locks");
    int art = 0;
    for (size_t anfang = 0; anfang < alle.size();) {
        size_t ende = alle.find('\n', anfang);
        if (ende == std::string::npos)
            ende = alle.size();
        char feld[6][32] = {};
        const std::string zeile = alle.substr(anfang, ende - anfang);
        anfang = ende + 1;
        if (std::sscanf(zeile.c_str(), "%31s %31s %31s %31s %31s %31s", feld[0], feld[1], feld[2], feld[3], feld[4],
                        feld[5])
                != 6
            || std::strcmp(feld[1], "FLOCK") != 0 || std::strcmp(feld[5], kennung) != 0)
            continue;
        art = std::strcmp(feld[3], "WRITE") == 0 ? LOCK_EX : (art == 0 ? LOCK_SH : art);
    }
    return art;
}

// SMB: 0 when reading or writing through fd is allowed, else EACCES.
int smbVerweigert(int fd, bool schreiben)
{
    if (jetzt() != freigabe::Regeln::SMB)
        return 0;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return 0;
    const int eigene = freigabe::eigeneSperre(fd);
    if (eigene == LOCK_EX)
        return 0;
    // a shared lock lets nobody write, its holder included
    if (eigene == LOCK_SH)
        return schreiben ? EACCES : 0;
    // this descriptor holds none: every lock on the file is another's
    const int fremde = sperrenAuf(st);
    return fremde == LOCK_EX || (fremde == LOCK_SH && schreiben) ? EACCES : 0;
}

// A read or write of fd by the C library's own function, unless SMB's rule
// refuses it.
template <typename Echt, typename... Rest>
ssize_t ueberSmb(int fd, bool schreiben, Echt echt, Rest... rest)
{
    if (const int e = smbVerweigert(fd, schreiben)) {
        errno = e;
        return -1;
    }
    return echt(fd, rest...);
}

}

namespace freigabe {

void setze(Regeln r) { g_regeln.store(int(r)); }

Regeln regeln() { return jetzt(); }

void setzeDateisystem(long typ) { g_dateisystem.store(typ); }

void setzeFlockFehler(int err, int n)
{
    g_flockFehler.store(err);
    g_flockFehlerAnzahl.store(n);
}

void setzeBeobachter(Beobachter b) { g_beobachter.store(b); }

}

extern "C" {

int flock(int fd, int op) noexcept
{
    const bool nehmen = (op & (LOCK_EX | LOCK_SH)) != 0;
    if (nehmen && g_flockFehlerAnzahl.load() > 0 && g_flockFehlerAnzahl.fetch_sub(1) > 0) {
        errno = g_flockFehler.load();
        return -1;
    }
    if (nehmen && jetzt() != freigabe::Regeln::Lokal) {
        const int modus = ::fcntl(fd, F_GETFL) & O_ACCMODE;
        if (((op & LOCK_EX) && modus == O_RDONLY) || ((op & LOCK_SH) && modus == O_WRONLY)) {
            errno = EBADF;
            return -1;
        }
    }
    if (const freigabe::Beobachter b = g_beobachter.load(); nehmen && b)
        b(fd);
    const int r = libc().flock(fd, op);
    // the SMB client answers a lock held elsewhere with EACCES, not EWOULDBLOCK
    if (r != 0 && errno == EWOULDBLOCK && jetzt() == freigabe::Regeln::SMB)
        errno = EACCES;
    return r;
}

ssize_t read(int fd, void* p, size_t n) { return ueberSmb(fd, false, libc().read, p, n); }
ssize_t write(int fd, const void* p, size_t n) { return ueberSmb(fd, true, libc().write, p, n); }
ssize_t pread(int fd, void* p, size_t n, off_t pos) { return ueberSmb(fd, false, libc().pread, p, n, pos); }
ssize_t pwrite(int fd, const void* p, size_t n, off_t pos) { return ueberSmb(fd, true, libc().pwrite, p, n, pos); }
ssize_t pread64(int fd, void* p, size_t n, off64_t pos) { return ueberSmb(fd, false, libc().pread64, p, n, pos); }
ssize_t pwrite64(int fd, const void* p, size_t n, off64_t pos)
{
    return ueberSmb(fd, true, libc().pwrite64, p, n, pos);
}

int fstatfs(int fd, struct statfs* fs) noexcept
{
    const int r = libc().fstatfs(fd, fs);
    long typ = g_dateisystem.load();
    if (typ == 0)
        typ = jetzt() == freigabe::Regeln::NFS ? 0x6969 : jetzt() == freigabe::Regeln::SMB ? 0xFE534D42 : 0;
    if (r == 0 && typ != 0)
        fs->f_type = typ;
    return r;
}
}
