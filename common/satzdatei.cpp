#include "common/satzdatei.h"

#include "common/cp1252.h"
#include "common/fehler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
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

// True when the seam makes this step fail.
bool gestellterFehler(Schritt art)
{
    if (g_fehlerstelle.n <= 0 || g_fehlerstelle.art != art)
        return false;
    return --g_fehlerstelle.n == 0;
}

int codeFuer(int err) { return err == EACCES || err == EPERM || err == EROFS ? 5 : 101; }

// The file a path names; a symbolic link is written through, not replaced.
QByteArray ziel(const QString& pfad)
{
    const QFileInfo info(pfad);
    return QFile::encodeName(info.isSymLink() && info.exists() ? info.canonicalFilePath() : pfad);
}

mode_t modusFuer(const QByteArray& ziel)
{
    struct stat st;
    if (::stat(ziel.constData(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return 0666 & ~maske;
}

// Writes daten to a new temporary file beside zielpfad and syncs it; returns
// its name. Nothing is left behind on failure.
QByteArray schreibeKopie(const QByteArray& zielpfad, const QByteArray& daten)
{
    QByteArray kopie = zielpfad + ".XXXXXX";
    const int fd = ::mkostemp(kopie.data(), O_CLOEXEC);
    if (fd < 0)
        throw EAFehler(codeFuer(errno));
    const auto scheitern = [&](int err) {
        ::close(fd);
        ::unlink(kopie.constData());
        throw EAFehler(codeFuer(err));
    };
    if (::fchmod(fd, modusFuer(zielpfad)) != 0)
        scheitern(errno);
    if (gestellterFehler(Schritt::Schreiben))
        scheitern(ENOSPC);
    for (qsizetype fertig = 0; fertig < daten.size();) {
        const ssize_t n = ::write(fd, daten.constData() + fertig, size_t(daten.size() - fertig));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            scheitern(n < 0 ? errno : ENOSPC);
        fertig += n;
    }
    // on the disk before the rename, so a crash never leaves a short file under the old name
    if (gestellterFehler(Schritt::Leeren))
        scheitern(ENOSPC);
    if (::fsync(fd) != 0)
        scheitern(errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(kopie.constData());
        throw EAFehler(codeFuer(err));
    }
    return kopie;
}

void ersetze(const QByteArray& kopie, const QByteArray& zielpfad)
{
    const bool gestellt = gestellterFehler(Schritt::Abschliessen);
    if (gestellt || ::rename(kopie.constData(), zielpfad.constData()) != 0) {
        const int err = gestellt ? ENOSPC : errno;
        ::unlink(kopie.constData());
        throw EAFehler(codeFuer(err));
    }
}

// Makes the renames themselves durable; a failure here changes no file's bytes.
void syncOrdner(const QByteArray& zielpfad)
{
    const QByteArray ordner = QFile::encodeName(QFileInfo(QFile::decodeName(zielpfad)).absolutePath());
    const int fd = ::open(ordner.constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}

void schreibeDatei(const QString& pfad, const QByteArray& daten)
{
    const QByteArray zielpfad = ziel(pfad);
    ersetze(schreibeKopie(zielpfad, daten), zielpfad);
    syncOrdner(zielpfad);
}

void raeumeAuf(const QString& ordner)
{
    static const QRegularExpression kopie(QStringLiteral("^.+\\.(dat|jpg)\\.[A-Za-z0-9]{6}$"));
    const QDir dir(ordner);
    for (const QString& name : dir.entryList(QDir::Files))
        if (kopie.match(name).hasMatch())
            QFile::remove(dir.filePath(name));
}

void setzeFehlerNach(Schritt art, int n) { g_fehlerstelle = {art, n}; }

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
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly))
        throw EAFehler(5);
    m_daten = f.read(satzdatei::kHoechstgroesse + 1);
    if (m_daten.size() > satzdatei::kHoechstgroesse)  // grown since it was looked at
        throw EAFehler(223);
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
}

void Satzdatei::speichere()
{
    m_geaendert = false;
    satzdatei::schreibeDatei(m_name, m_daten);
}

Satzdatei& Dateigruppe::oeffne(const QString& name, int satzgroesse)
{
    auto datei = std::make_unique<Satzdatei>(name, satzgroesse);
    datei->m_offen = false;  // written by schreibe(), never by closing or the destructor
    const int fd = ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        throw EAFehler(satzdatei::codeFuer(errno));
    ::close(fd);
    m_alt.push_back(datei->m_daten);
    m_dateien.push_back(std::move(datei));
    return *m_dateien.back();
}

void Dateigruppe::schreibe()
{
    using namespace satzdatei;
    std::vector<QByteArray> ziele, kopien;
    for (const auto& d : m_dateien)
        ziele.push_back(ziel(d->m_name));
    try {
        for (size_t i = 0; i < m_dateien.size(); ++i)
            kopien.push_back(schreibeKopie(ziele[i], m_dateien[i]->m_daten));
    } catch (const EAFehler&) {
        for (const QByteArray& k : kopien)
            ::unlink(k.constData());
        throw;
    }
    for (size_t i = 0; i < kopien.size(); ++i) {
        try {
            ersetze(kopien[i], ziele[i]);
        } catch (const EAFehler&) {
            for (size_t j = i + 1; j < kopien.size(); ++j)
                ::unlink(kopien[j].constData());
            // the files before it hold their new bytes already: give them their old ones back
            for (size_t j = 0; j < i; ++j) {
                try {
                    schreibeDatei(QFile::decodeName(ziele[j]), m_alt[j]);
                } catch (const EAFehler&) {
                    // nothing more can be done; the file holds its new bytes whole
                }
            }
            throw;
        }
    }
    if (!ziele.empty())
        syncOrdner(ziele.front());
}
