#include "common/satzdatei.h"

#include "common/cp1252.h"
#include "common/dateisperre.h"
#include "common/fehler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kurztext {

QString lies(const char* p, int kapazitaet)
{
    int laenge = static_cast<unsigned char>(p[0]);
    if (laenge > kapazitaet) {
        // a damaged length byte: the zero padding after the text is no text
        const void* null = std::memchr(p + 1, 0, kapazitaet);
        laenge = null ? static_cast<int>(static_cast<const char*>(null) - (p + 1)) : kapazitaet;
    }
    return cp1252::dekodiere(QByteArray(p + 1, laenge));
}

void schreibe(char* p, int kapazitaet, const QString& text)
{
    const QByteArray b = cp1252::kodiere(text).left(kapazitaet);
    std::memset(p, 0, kapazitaet + 1);
    p[0] = static_cast<char>(b.size());
    std::memcpy(p + 1, b.constData(), b.size());
}

QByteArray satz(const QString& text, int kapazitaet)
{
    QByteArray s(kapazitaet + 1, '\0');
    schreibe(s.data(), kapazitaet, text);
    return s;
}

}

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

int codeFuer(int err) { return err == EACCES || err == EPERM || err == EROFS ? 5 : 101; }

// The marker in the name of every temporary copy: no person names a backup so.
constexpr char kMarke[] = ".velmora-";

// A copy older than this that nobody holds was left by a killed write.
constexpr time_t kVerwaistNach = 60;

}

// The file a path names, as an absolute path; a symbolic link is written
// through, not replaced.
QByteArray ziel(const QString& pfad)
{
    const QFileInfo info(pfad);
    return QFile::encodeName(info.isSymLink() && info.exists() ? info.canonicalFilePath() : info.absoluteFilePath());
}

namespace {

QByteArray ordnerVon(const QByteArray& pfad)
{
    return QFile::encodeName(QFileInfo(QFile::decodeName(pfad)).absolutePath());
}

mode_t neuerModus()
{
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return 0666 & ~maske;
}

// Closes a descriptor when it goes out of scope.
class Deskriptor {
public:
    explicit Deskriptor(int fd) : m_fd(fd) {}
    ~Deskriptor() { ::close(m_fd); }
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;

private:
    int m_fd;
};

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
            throw EAFehler(codeFuer(errno));
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

// The whole of the file open as fd; 223 when it is larger than any data file.
QByteArray liesGanz(int fd)
{
    struct stat st;
    if (::fstat(fd, &st) != 0)
        throw EAFehler(codeFuer(errno));
    if (st.st_size > kHoechstgroesse)
        throw EAFehler(223);
    return liesAn(fd, st.st_size);
}

// A temporary copy beside a file. Its writer holds it locked while it lives,
// so the clean-up at start leaves it alone; left unused, it is removed.
class Kopie {
public:
    Kopie() = default;
    Kopie(QByteArray name, int fd) : m_name(std::move(name)), m_fd(fd) {}
    Kopie(Kopie&& k) noexcept : m_name(std::move(k.m_name)), m_fd(std::exchange(k.m_fd, -1)) {}
    Kopie& operator=(Kopie&& k) noexcept
    {
        if (this != &k) {
            verwerfen();
            m_name = std::move(k.m_name);
            m_fd = std::exchange(k.m_fd, -1);
        }
        return *this;
    }
    ~Kopie() { verwerfen(); }

    explicit operator bool() const { return m_fd >= 0; }

    void fuelle(const QByteArray& daten)
    {
        if (gestellterFehler(Schritt::Schreiben))
            throw EAFehler(101);
        schreibeAn(m_fd, daten.constData(), daten.size(), 0);
        // on the disk before the rename, so a crash never leaves a short file under the old name
        if (gestellterFehler(Schritt::Leeren))
            throw EAFehler(101);
        if (::fsync(m_fd) != 0)
            throw EAFehler(codeFuer(errno));
    }

    // Renames the copy over its file and gives up its descriptor, which still
    // holds the copy's lock: the caller keeps it while it holds the file.
    int ersetze(const QByteArray& zielpfad)
    {
        const bool gestellt = gestellterFehler(Schritt::Abschliessen);
        if (gestellt || ::rename(m_name.constData(), zielpfad.constData()) != 0)
            throw EAFehler(codeFuer(gestellt ? ENOSPC : errno));
        return std::exchange(m_fd, -1);
    }

private:
    void verwerfen()
    {
        if (m_fd < 0)
            return;
        ::unlink(m_name.constData());  // while still locked
        ::close(std::exchange(m_fd, -1));
    }

    QByteArray m_name;
    int m_fd = -1;
};

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
        throw EAFehler(codeFuer(errno));
    }
    Kopie kopie(name, fd);
    // cannot block: nobody locks a copy this young; where locks are not
    // supported, the copy's age keeps the clean-up away
    ::flock(fd, LOCK_EX | LOCK_NB);
    if (!alt) {
        if (::fchmod(fd, neuerModus()) != 0)
            throw EAFehler(codeFuer(errno));
        return kopie;
    }
    // the mode after the owner: a change of owner clears the set-id bits
    if (::fchown(fd, alt->st_uid, alt->st_gid) != 0 || ::fchmod(fd, alt->st_mode & 07777) != 0)
        return {};
    return kopie;
}

// Writes the records of daten that differ from alt (from the file's bytes when
// alt is empty) into the file itself, one at a time, and syncs it. On a failure
// the records written so far get their bytes back.
void schreibeHinein(const QByteArray& zielpfad, const QByteArray& daten, const QByteArray& alt, int satzgroesse)
{
    const int fd = ::open(zielpfad.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        throw EAFehler(codeFuer(errno));
    const Deskriptor schliessen(fd);
    struct stat st;
    if (::fstat(fd, &st) != 0)
        throw EAFehler(codeFuer(errno));
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
            throw EAFehler(codeFuer(errno));
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

// One file's write: a filled copy to rename over it, or none when the records
// go into the file itself.
struct Auftrag {
    QByteArray ziel;
    QByteArray daten;
    QByteArray alt;
    int satzgroesse = 0;
    Dateisperre* sperre = nullptr;  // the lock held on the file, if any
    Kopie kopie;

    void vorbereiten()
    {
        struct stat st;
        const bool da = ::stat(ziel.constData(), &st) == 0;
        if (!da && errno != ENOENT)
            throw EAFehler(codeFuer(errno));
        kopie = legeKopieAn(ziel, da ? &st : nullptr);
        if (!kopie)
            return;
        kopie.fuelle(daten);
        if (g_vorDemErsetzen)
            g_vorDemErsetzen();
    }

    // True when the file was replaced by its copy.
    bool ausfuehren()
    {
        if (!kopie) {
            schreibeHinein(ziel, daten, alt, satzgroesse);
            return false;
        }
        const int fd = kopie.ersetze(ziel);
        // the new file is held from now on; the old one's lock ends
        if (sperre)
            sperre->uebernimm(fd);
        else
            ::close(fd);
        return true;
    }
};

// Makes renames in ordner durable; a failure here changes no file's bytes.
void syncOrdner(const QByteArray& ordner)
{
    const int fd = ::open(ordner.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void schreibeSaetze(const QString& pfad, const QByteArray& daten, const QByteArray& alt, int satzgroesse,
                    Dateisperre* sperre = nullptr)
{
    Auftrag a{ziel(pfad), daten, alt, satzgroesse, sperre, {}};
    a.vorbereiten();
    if (a.ausfuehren())
        syncOrdner(ordnerVon(a.ziel));
}

// The records that differ between geaendert and gelesen, put onto jetzt: what
// another program saved since the file was read stays. Error 100 when the file
// is no longer the size it was read at.
QByteArray aufgetragen(const QByteArray& geaendert, const QByteArray& gelesen, const QByteArray& jetzt, int satzgroesse)
{
    if (jetzt.size() != geaendert.size())
        throw EAFehler(100);
    QByteArray neu = jetzt;
    for (qsizetype pos = 0; pos < geaendert.size(); pos += satzgroesse) {
        const qsizetype n = qMin<qsizetype>(satzgroesse, geaendert.size() - pos);
        if (std::memcmp(geaendert.constData() + pos, gelesen.constData() + pos, size_t(n)) != 0)
            std::memcpy(neu.data() + pos, geaendert.constData() + pos, size_t(n));
    }
    return neu;
}

bool istKopie(const QString& name)
{
    static const QRegularExpression kopie(QStringLiteral("^\\..+\\.velmora-[A-Za-z0-9]{6}$"));
    return kopie.match(name).hasMatch();
}

// Removes the copy at pfad unless a writer holds it or it was touched lately.
void entferneVerwaiste(const QByteArray& pfad)
{
    const int fd = ::open(pfad.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    const Deskriptor schliessen(fd);
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || std::time(nullptr) - st.st_mtime < kVerwaistNach)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return;
    // unless it has been renamed over its file since it was opened
    struct stat jetzt;
    if (::lstat(pfad.constData(), &jetzt) == 0 && jetzt.st_dev == st.st_dev && jetzt.st_ino == st.st_ino)
        ::unlink(pfad.constData());
}

}

void schreibeDatei(const QString& pfad, const QByteArray& daten) { schreibeSaetze(pfad, daten, {}, 0); }

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

}

Satzdatei::Satzdatei(const QString& name, int satzgroesse) : m_name(name), m_groesse(satzgroesse)
{
    if (name.isEmpty() || name.contains(QLatin1Char('\0')) || satzgroesse <= 0)
        throw EAFehler(3);
    const QFileInfo info(name);
    if (!info.exists())
        throw EAFehler(2);
    // a folder, a pipe or a device of that name is no data file (a pipe would block)
    if (!info.isFile())
        throw EAFehler(5);
    if (info.size() > satzdatei::kHoechstgroesse)
        throw EAFehler(223);
    // read and changed under the lock, until it is closed
    m_sperre = Dateisperre::nimm(satzdatei::ziel(name), name);
    m_daten = satzdatei::liesGanz(m_sperre->fd());  // 223 if grown since it was looked at
    m_gelesen = m_daten;
    m_schreibbar = info.isWritable();
}

Satzdatei::~Satzdatei()
{
    if (m_offen && m_geaendert) {
        try {
            speichere();
        } catch (const VelmoraFehler&) {
            // already unwinding from another error; the original file stays intact
        }
    }
}

int Satzdatei::satzzahl() const { return static_cast<int>(m_daten.size() / m_groesse); }

void Satzdatei::positioniere(int satz)
{
    if (satz < 0 || satz > satzzahl())
        throw EAFehler(100);
    m_pos = satz;
}

QByteArray Satzdatei::lies()
{
    if (m_pos >= satzzahl())
        throw EAFehler(100);
    QByteArray s = m_daten.mid(qsizetype(m_pos) * m_groesse, m_groesse);
    ++m_pos;
    return s;
}

void Satzdatei::schreibe(const QByteArray& satz)
{
    if (!m_schreibbar)
        throw EAFehler(5);
    if (m_pos >= satzzahl())
        throw EAFehler(100);
    QByteArray s = satz.left(m_groesse);
    s.append(QByteArray(m_groesse - s.size(), '\0'));
    std::memcpy(m_daten.data() + qsizetype(m_pos) * m_groesse, s.constData(), m_groesse);
    ++m_pos;
    m_geaendert = true;
}

QString Satzdatei::liesText()
{
    const QByteArray s = lies();
    return kurztext::lies(s.constData(), m_groesse - 1);
}

void Satzdatei::schreibeText(const QString& text) { schreibe(kurztext::satz(text, m_groesse - 1)); }

QStringList Satzdatei::liesTexte(const QString& name, int satzgroesse, int anzahl)
{
    Satzdatei d(name, satzgroesse);
    QStringList texte;
    for (int i = 0; i < anzahl; ++i)
        texte << d.liesText();
    return texte;
}

void Satzdatei::schreibeTexte(const QString& name, int satzgroesse, const QStringList& texte)
{
    Satzdatei d(name, satzgroesse);
    for (const QString& t : texte)
        d.schreibeText(t);
    d.schliesse();
}

void Satzdatei::schliesse()
{
    if (!m_offen)
        return;
    m_offen = false;
    if (m_geaendert)
        speichere();
    m_sperre.reset();
}

void Satzdatei::speichere()
{
    m_geaendert = false;
    const QByteArray jetzt = satzdatei::liesGanz(m_sperre->fd());
    const QByteArray neu = satzdatei::aufgetragen(m_daten, m_gelesen, jetzt, m_groesse);
    satzdatei::schreibeSaetze(m_name, neu, jetzt, m_groesse, m_sperre.get());
    m_daten = neu;
    m_gelesen = neu;
}

Dateigruppe::Dateigruppe(const QStringList& namen)
{
    std::vector<QByteArray> pfade;
    for (const QString& name : namen)
        pfade.push_back(satzdatei::ziel(name));
    std::sort(pfade.begin(), pfade.end());
    for (const QByteArray& pfad : pfade)
        m_sperren.push_back(Dateisperre::nimm(pfad, QFileInfo(QFile::decodeName(pfad)).fileName()));
}

Satzdatei& Dateigruppe::oeffne(const QString& name, int satzgroesse)
{
    auto datei = std::make_unique<Satzdatei>(name, satzgroesse);
    datei->m_offen = false;  // written by schreibe(), never by closing or the destructor
    const int fd = ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        throw EAFehler(satzdatei::codeFuer(errno));
    ::close(fd);
    m_dateien.push_back(std::move(datei));
    return *m_dateien.back();
}

void Dateigruppe::schreibe()
{
    using namespace satzdatei;
    std::vector<Auftrag> auftraege;
    for (size_t i = 0; i < m_dateien.size(); ++i) {
        Satzdatei& d = *m_dateien[i];
        const QByteArray jetzt = liesGanz(d.m_sperre->fd());
        auftraege.push_back({ziel(d.m_name), aufgetragen(d.m_daten, d.m_gelesen, jetzt, d.m_groesse), jetzt, d.m_groesse,
                             d.m_sperre.get(), {}});
    }
    // every copy is written before the first file changes; on a failure here the
    // copies made so far are removed with their Auftrag
    for (Auftrag& a : auftraege)
        a.vorbereiten();
    QSet<QByteArray> umbenannt;
    for (size_t i = 0; i < auftraege.size(); ++i) {
        try {
            if (auftraege[i].ausfuehren())
                umbenannt.insert(ordnerVon(auftraege[i].ziel));
        } catch (const EAFehler&) {
            // the files before it hold their new bytes already: give them their old ones back
            for (size_t j = 0; j < i; ++j) {
                try {
                    schreibeSaetze(QFile::decodeName(auftraege[j].ziel), auftraege[j].alt, auftraege[j].daten,
                                   auftraege[j].satzgroesse, auftraege[j].sperre);
                } catch (const EAFehler&) {
                    // nothing more can be done; the file holds its new bytes
                }
            }
            throw;
        }
    }
    for (const QByteArray& ordner : umbenannt)
        syncOrdner(ordner);
}
