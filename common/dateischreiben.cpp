#include "common/dateischreiben.h"

#include "common/dateisperre.h"
#include "common/fehler.h"
#include "common/satzdatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace satzdatei {

namespace {

struct Fehlerstelle {
    Schritt art = Schritt::Schreiben;
    int n = 0;
} g_fehlerstelle;

std::function<void()> g_vorDemErsetzen;

// True when the seam makes this step fail.
bool gestellterFehler(Schritt art)
{
    if (g_fehlerstelle.n <= 0 || g_fehlerstelle.art != art)
        return false;
    return --g_fehlerstelle.n == 0;
}

// The marker in the name of every temporary copy: no person names a backup so.
constexpr char kMarke[] = ".velmora-";

// A copy older than this that nobody holds was left by a killed write.
constexpr time_t kVerwaistNach = 60;

mode_t neuerModus()
{
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return 0666 & ~maske;
}

// Reads or writes n bytes at pos, through short transfers and interrupted
// calls. Nothing transferred means a file shorter than it should be (100) or a
// disk that takes nothing more (101).
void uebertrage(int fd, char* p, qint64 n, qint64 pos, bool schreiben)
{
    while (n > 0) {
        const ssize_t k = schreiben ? ::pwrite(fd, p, size_t(n), off_t(pos)) : ::pread(fd, p, size_t(n), off_t(pos));
        if (k < 0 && errno == EINTR)
            continue;
        if (k < 0)
            throw EAFehler::ausErrno(errno);
        if (k == 0)
            throw EAFehler(schreiben ? 101 : 100);
        p += k;
        n -= k;
        pos += k;
    }
}

void schreibeAn(int fd, const char* p, qint64 n, qint64 pos) { uebertrage(fd, const_cast<char*>(p), n, pos, true); }

QByteArray liesAn(int fd, qint64 n)
{
    QByteArray b(n, '\0');
    uebertrage(fd, b.data(), n, 0, false);
    return b;
}

// A locked copy beside zielpfad with the owner, group and mode of the file
// there (alt), or those of a new file. Empty when the folder takes no new file
// or the copy cannot be given that owner and group: the file is then written
// in place.
Kopie legeKopieAn(const QByteArray& zielpfad, const struct stat* alt)
{
    const QFileInfo info(QFile::decodeName(zielpfad));
    QByteArray name = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName()) + kMarke + "XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        if (alt && (errno == EACCES || errno == EPERM || errno == EROFS))
            return {};
        throw EAFehler::ausErrno(errno);
    }
    Kopie kopie(name, Deskriptor(fd));
    // cannot block: nobody locks a copy this young; where locks are not
    // supported, the copy's age keeps the clean-up away
    ::flock(fd, LOCK_EX | LOCK_NB);
    if (!alt) {
        if (::fchmod(fd, neuerModus()) != 0)
            throw EAFehler::ausErrno(errno);
        return kopie;
    }
    // the mode after the owner: a change of owner clears the set-id bits
    if (::fchown(fd, alt->st_uid, alt->st_gid) != 0 || ::fchmod(fd, alt->st_mode & 07777) != 0)
        return {};
    return kopie;
}

// Writes the records of daten that differ from alt (from the file's bytes when
// alt is empty) into the file open as fd, one at a time, and syncs it. On a
// failure the records written so far get their bytes back.
void schreibeHinein(int fd, const QByteArray& daten, const QByteArray& alt, int satzgroesse)
{
    struct stat st;
    if (::fstat(fd, &st) != 0)
        throw EAFehler::ausErrno(errno);
    // in place the file can neither grow nor shrink
    if (st.st_size != daten.size())
        throw EAFehler(satzgroesse > 0 ? 100 : 5);
    const QByteArray vorher = liesAn(fd, daten.size());
    const QByteArray& verglichen = alt.size() == daten.size() ? alt : vorher;
    const qint64 groesse = satzgroesse > 0 ? satzgroesse : qMax<qint64>(daten.size(), 1);
    std::vector<qint64> geschrieben;
    try {
        for (qint64 pos = 0; pos < daten.size(); pos += groesse) {
            const qint64 n = qMin(groesse, daten.size() - pos);
            if (std::memcmp(daten.constData() + pos, verglichen.constData() + pos, size_t(n)) == 0)
                continue;
            geschrieben.push_back(pos);
            schreibeAn(fd, daten.constData() + pos, n, pos);
            if (geschrieben.size() == 1 && gestellterFehler(Schritt::Schreiben))
                throw EAFehler(101);
        }
        if (geschrieben.empty())
            return;
        if (gestellterFehler(Schritt::Leeren))
            throw EAFehler(101);
        if (::fsync(fd) != 0)
            throw EAFehler::ausErrno(errno);
    } catch (const EAFehler&) {
        for (const qint64 pos : geschrieben) {
            try {
                schreibeAn(fd, vorher.constData() + pos, qMin(groesse, daten.size() - pos), pos);
            } catch (const EAFehler&) {
                // this record stays as far as it was written
            }
        }
        ::fsync(fd);
        throw;
    }
}

// The name of the file at pfad, as a message names it.
QString dateiname(const QByteArray& pfad) { return QFileInfo(QFile::decodeName(pfad)).fileName(); }

bool istKopie(const QString& name)
{
    static const QRegularExpression kopie(QStringLiteral("^\\..+\\.velmora-[A-Za-z0-9]{6}$"));
    return kopie.match(name).hasMatch();
}

// Removes the copy at pfad unless a writer holds it or it was touched lately.
void entferneVerwaiste(const QByteArray& pfad)
{
    const Deskriptor fd(::open(pfad.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!fd.offen())
        return;
    struct stat st;
    if (::fstat(fd.fd(), &st) != 0 || !S_ISREG(st.st_mode) || std::time(nullptr) - st.st_mtime < kVerwaistNach)
        return;
    // a shared lock proves as well that no writer holds it, and NFS grants it
    // on a descriptor open for reading; where there are no locks, the age alone decides
    if (::flock(fd.fd(), LOCK_SH | LOCK_NB) != 0 && !ohneSperren(errno))
        return;
    // unless it has been renamed over its file since it was opened
    struct stat jetzt;
    if (::lstat(pfad.constData(), &jetzt) == 0 && jetzt.st_dev == st.st_dev && jetzt.st_ino == st.st_ino)
        ::unlink(pfad.constData());
}

}

QByteArray ziel(const QString& pfad)
{
    const QFileInfo info(pfad);
    return QFile::encodeName(info.isSymLink() && info.exists() ? info.canonicalFilePath() : info.absoluteFilePath());
}

QByteArray liesGanz(int fd)
{
    struct stat st;
    if (::fstat(fd, &st) != 0)
        throw EAFehler::ausErrno(errno);
    if (st.st_size > kHoechstgroesse)
        throw EAFehler(223);
    return liesAn(fd, st.st_size);
}

Kopie& Kopie::operator=(Kopie&& k) noexcept
{
    if (this != &k) {
        verwerfen();
        m_name = std::move(k.m_name);
        m_fd = std::move(k.m_fd);
    }
    return *this;
}

void Kopie::fuelle(const QByteArray& daten)
{
    if (gestellterFehler(Schritt::Schreiben))
        throw EAFehler(101);
    schreibeAn(m_fd.fd(), daten.constData(), daten.size(), 0);
    // on the disk before the rename, so a crash never leaves a short file under the old name
    if (gestellterFehler(Schritt::Leeren))
        throw EAFehler(101);
    if (::fsync(m_fd.fd()) != 0)
        throw EAFehler::ausErrno(errno);
}

Deskriptor Kopie::ersetze(const QByteArray& zielpfad)
{
    const bool gestellt = gestellterFehler(Schritt::Abschliessen);
    if (gestellt || ::rename(m_name.constData(), zielpfad.constData()) != 0)
        throw EAFehler::ausErrno(gestellt ? ENOSPC : errno);
    return std::move(m_fd);
}

void Kopie::verwerfen()
{
    if (!m_fd.offen())
        return;
    ::unlink(m_name.constData());  // while still locked
    m_fd.schliesse();
}

void Auftrag::vorbereiten()
{
    struct stat st;
    const bool da = ::stat(ziel.constData(), &st) == 0;
    if (!da && errno != ENOENT)
        throw EAFehler::ausErrno(errno);
    // On a share a file that keeps its size is written in place, never
    // replaced by a copy:
    // - SMB refuses to rename over a file that is open, and the writer's own
    //   lock holds the file open (as does every program waiting for it);
    // - an NFS client may go on finding the old file under the name for as
    //   long as it caches the folder (30 to 60 seconds by default), so another
    //   desk would lock and read the replaced file and save onto its old
    //   contents; an NFSv3 server drops the old file at once, so the
    //   descriptors waiting for it fail with ESTALE.
    // In place the file and its lock stay one object: taking the lock makes
    // the client read the file anew, letting go of it writes the changes back.
    if (da && sperre && st.st_size == daten.size() && sperre->freigabe() != Freigabe::Keine)
        return;
    kopie = legeKopieAn(ziel, da ? &st : nullptr);
    if (!kopie)
        return;
    kopie.fuelle(daten);
    if (g_vorDemErsetzen)
        g_vorDemErsetzen();
}

bool Auftrag::ausfuehren()
{
    if (!kopie) {
        // through the locked descriptor: never a second one on a locked file
        if (!sperre)
            throw EAFehler(5);
        if (!sperre->schreibbar())
            throw EAFehler::nurLesbar(dateiname(ziel));
        schreibeHinein(sperre->fd(), daten, alt, satzgroesse);
        return false;
    }
    Deskriptor fd = kopie.ersetze(ziel);
    // the new file is held from now on; the old one's lock ends
    if (sperre)
        sperre->uebernimm(std::move(fd));
    return true;
}

QByteArray ordnerVon(const QByteArray& pfad) { return QFile::encodeName(QFileInfo(QFile::decodeName(pfad)).absolutePath()); }

void syncOrdner(const QByteArray& ordner)
{
    const Deskriptor fd(::open(ordner.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.offen())
        ::fsync(fd.fd());
}

void schreibeSaetze(const QByteArray& zielpfad, const QByteArray& daten, const QByteArray& alt, int satzgroesse,
                    Dateisperre* sperre)
{
    Auftrag a{zielpfad, daten, alt, satzgroesse, sperre, {}};
    a.vorbereiten();
    if (a.ausfuehren())
        syncOrdner(ordnerVon(a.ziel));
}

void schreibeDatei(const QString& pfad, const QByteArray& daten)
{
    // a file that is there is written under its lock, through its descriptor
    const QByteArray z = ziel(pfad);
    struct stat st;
    std::shared_ptr<Dateisperre> sperre;
    if (::stat(z.constData(), &st) == 0)
        sperre = Dateisperre::nimm(z, QFileInfo(pfad).fileName(), Dateisperre::Zweck::Speichern);
    schreibeSaetze(z, daten, {}, 0, sperre.get());
}

void raeumeAuf(const QString& ordner)
{
    // a killed write through a link leaves its copy beside the link's target
    QSet<QString> ordnerListe{QDir(ordner).absolutePath()};
    for (const QFileInfo& info : QDir(ordner).entryInfoList(QDir::Files | QDir::Hidden))
        if (info.isSymLink() && info.exists())
            ordnerListe.insert(QFileInfo(info.canonicalFilePath()).absolutePath());
    for (const QString& o : ordnerListe) {
        const QDir dir(o);
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks))
            if (istKopie(name))
                entferneVerwaiste(QFile::encodeName(dir.filePath(name)));
    }
}

void setzeFehlerNach(Schritt art, int n) { g_fehlerstelle = {art, n}; }

void setzeVorDemErsetzen(std::function<void()> f) { g_vorDemErsetzen = std::move(f); }

void ersetzeGanz(Dateisperre& sperre, const QByteArray& daten, QByteArray& alt)
{
    alt = liesGanz(sperre.fd());
    if (alt == daten)
        return;
    if (sperre.freigabe() == Freigabe::Keine) {
        schreibeSaetze(sperre.pfad(), daten, alt, 0, &sperre);
        return;
    }
    if (!sperre.schreibbar())
        throw EAFehler::nurLesbar(dateiname(sperre.pfad()));
    // the lock keeps every reader out until the file is whole again
    schreibeAn(sperre.fd(), daten.constData(), daten.size(), 0);
    if (gestellterFehler(Schritt::Schreiben))
        throw EAFehler(101);
    if (::ftruncate(sperre.fd(), off_t(daten.size())) != 0 || ::fsync(sperre.fd()) != 0)
        throw EAFehler::ausErrno(errno);
}

}
