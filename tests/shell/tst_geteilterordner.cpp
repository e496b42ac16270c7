// A working folder shared by several accounts: every write keeps each file's
// owner, group, mode and size, works where only the files are writable, and
// leaves no temporary copy. The writing is done by a child process that has
// switched to another account, so the test needs root.
#include "common/dateischreiben.h"
#include "common/satzdatei.h"
#include "common/zustand.h"
#include "content/arbeitsordner.h"
#include "content/inhalte.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "shell/ergebnisse.h"
#include "shell/highscore.h"
#include "shell/nutzerregister.h"
#include "shell/planlauf.h"
#include "tests/support/konten.h"
#include "tests/support/testumgebung.h"

#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Ids no account of the machine needs: two users and the group they share.
constexpr uid_t kA = 47101;
constexpr uid_t kB = 47102;
constexpr gid_t kGruppe = 47100;

// the rows name them by their place here: 0 A, 1 B, 2 B outside the group, 3 root
const Konto kKonten[] = {{kA, kA, {kA, kGruppe}}, {kB, kB, {kB, kGruppe}}, {kB, kB, {kB}}, {0, 0, {0}}};

struct Rechte {
    uid_t uid;
    gid_t gid;
    mode_t modus;
    qint64 groesse;
    bool operator==(const Rechte&) const = default;
};

Rechte rechte(const QString& pfad)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(pfad).constData(), &st) != 0)
        return {};
    return {st.st_uid, st.st_gid, mode_t(st.st_mode & 07777), qint64(st.st_size)};
}

QString alsText(const Rechte& r)
{
    return QStringLiteral("%1:%2 %3 %4 Bytes").arg(r.uid).arg(r.gid).arg(r.modus, 4, 8, QLatin1Char('0')).arg(r.groesse);
}

// The program's own files, which every account writes.
QStringList eigeneNamen()
{
    QStringList namen;
    for (const EigeneDatei& d : eigeneDateien())
        namen << d.name;
    return namen;
}

// Every entry of a folder, hidden ones too: a copy left behind shows here.
QStringList eintraege(const QString& ordner)
{
    return QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Bert (slot 2) with a result and a solved level, so that deleting him changes files.
void bereiteVor()
{
    setzeRegister({QStringLiteral("Anna"), QStringLiteral("Bert")});
    ergein(2, 13, 100.0f);
    Satzdatei d(QStringLiteral("robbier.dat"), 51);
    d.positioniere(1);
    d.schreibeText(QStringLiteral("1").repeated(50));
    d.schliesse();
}

// The content sources as the other accounts read them: a copy made by the
// parent, since the checkout may lie in a folder only root may enter.
QString g_quellen;

// What a second account does in the shared folder: the start (the working
// folder refreshed, the clean-up), a new user, a result with its highscore, a
// plan, a level status, and the deletion of a user.
QStringList arbeite()
{
    baueArbeitsordner(QStringLiteral("."), g_quellen);
    satzdatei::raeumeAuf();
    dialog::Skript skript;
    nutzer = 0;
    trageEinImFenster(QStringLiteral("Carla"));
    ergein(nutzer, 13, 150.0f);
    highein(13, 150.0f);
    QStringList plaene = plan::lies();
    plaene[0] = QStringLiteral("Carlas Plan").leftJustified(plan::kNamenlaenge) + QStringLiteral("ABC");
    plan::schreibe(plaene);
    Satzdatei level(QStringLiteral("springer.dat"), 51);
    level.positioniere(nutzer - 1);
    level.schreibeText(QStringLiteral("/") + QString(49, QLatin1Char('0')));
    level.schliesse();
    loescheZweiten(skript);
    return skript.texte;
}

QByteArray satz(const QString& datei, int groesse, int nummer)
{
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll().mid(qsizetype(nummer) * groesse, groesse) : QByteArray();
}

}

class TestGeteilterOrdner : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void schreibenAlsAnderesKonto_data();
    void schreibenAlsAnderesKonto();
    void verknuepfung_data();
    void verknuepfung();
    void scheiternInDerDatei_data();
    void scheiternInDerDatei();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
    QTemporaryDir m_quellen;
};

void TestGeteilterOrdner::initTestCase()
{
    if (::geteuid() != 0)
        QSKIP("needs root: the writes are made by a child process that switches to another user id");
    const QDir checkout(QStringLiteral(VELMORA_CONTENT_DIR "/quellen"));
    for (const QString& name : checkout.entryList(QDir::Files))
        QVERIFY(QFile::copy(checkout.filePath(name), m_quellen.filePath(name)));
    setze(m_quellen.path(), 0, 0, 0755);
    g_quellen = m_quellen.path();
}

void TestGeteilterOrdner::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    nutzer = 0;
    nutzername.clear();
}

void TestGeteilterOrdner::cleanup()
{
    satzdatei::setzeFehlerNach(satzdatei::Schritt::Schreiben, 0);
    m_ordner.reset();
}

void TestGeteilterOrdner::schreibenAlsAnderesKonto_data()
{
    QTest::addColumn<uint>("ordnerGruppe");
    QTest::addColumn<uint>("ordnerModus");
    QTest::addColumn<uint>("dateiBesitzer");
    QTest::addColumn<uint>("dateiGruppe");
    QTest::addColumn<uint>("dateiModus");
    QTest::addColumn<int>("konto");  // 0 A, 1 B, 2 B outside the group, 3 root
    // the folder belongs to root: only the files may be written
    QTest::newRow("Ordner 0755 von root, Dateien 0666") << 0u << 0755u << 0u << 0u << 0666u << 2;
    // a group folder: B may make copies, but cannot give them A's ownership
    QTest::newRow("Gruppenordner 0775, Dateien 0664 von A, B schreibt") << uint(kGruppe) << 0775u << uint(kA) << uint(kGruppe)
                                                                     << 0664u << 1;
    // A's copies get A's own group unless they are given the file's
    QTest::newRow("Gruppenordner 0775, Dateien 0664 von A, A schreibt") << uint(kGruppe) << 0775u << uint(kA) << uint(kGruppe)
                                                                     << 0664u << 0;
    QTest::newRow("Gruppenordner 0775, Dateien 0640 von A, root schreibt") << uint(kGruppe) << 0775u << uint(kA) << uint(kGruppe)
                                                                        << 0640u << 3;
}

void TestGeteilterOrdner::schreibenAlsAnderesKonto()
{
    QFETCH(uint, ordnerGruppe);
    QFETCH(uint, ordnerModus);
    QFETCH(uint, dateiBesitzer);
    QFETCH(uint, dateiGruppe);
    QFETCH(uint, dateiModus);
    QFETCH(int, konto);
    bereiteVor();
    const QString ordner = m_ordner->pfad(QString());
    setze(ordner, 0, ordnerGruppe, ordnerModus);
    // the content files as a start by root leaves them: readable only
    for (const QString& name : QDir(ordner).entryList(QDir::Files))
        setze(m_ordner->pfad(name), 0, 0, 0644);
    QMap<QString, Rechte> vorher;
    for (const QString& name : eigeneNamen()) {
        setze(m_ordner->pfad(name), dateiBesitzer, dateiGruppe, dateiModus);
        vorher[name] = rechte(m_ordner->pfad(name));
    }
    const QStringList eintraegeVorher = eintraege(ordner);

    const QString bericht = alsKonto(kKonten[konto], arbeite);
    QCOMPARE(bericht, (QStringList{QStringLiteral("Der Nutzer wurde eingetragen!"), QStringLiteral("Bert wurde gelöscht!"),
                                   QStringLiteral("Noch einen Nutzer löschen?")}
                           .join(QLatin1Char('\n'))));

    for (const QString& name : eigeneNamen())
        QVERIFY2(rechte(m_ordner->pfad(name)) == vorher[name],
                 qPrintable(name + QStringLiteral(": ") + alsText(rechte(m_ordner->pfad(name))) + QStringLiteral(" statt ")
                            + alsText(vorher[name])));
    QCOMPARE(eintraege(ordner), eintraegeVorher);  // no copy left
    // what was written: Carla in slot 3, Bert gone with his result and level
    QCOMPARE(nutzerregister::lies().mid(0, 4), (QStringList{QStringLiteral("Anna"), nutzerregister::kFrei,
                                                            QStringLiteral("Carla"), nutzerregister::kFrei}));
    QCOMPARE(satz(QStringLiteral("xbaserg0.dat"), 21, ergebnis::satznummer(1, 3, 9)).mid(14, 3), QByteArray("150"));
    QCOMPARE(satz(QStringLiteral("xbaserg0.dat"), 21, ergebnis::satznummer(1, 2, 9)), QByteArray("\x14") + QByteArray(20, ' '));
    QCOMPARE(highscore::liesBlock(highscore::block(13)).at(0).name, QStringLiteral("Carla"));
    QCOMPARE(plan::lies().at(0).trimmed(), QStringLiteral("Carlas Plan").leftJustified(plan::kNamenlaenge) + QStringLiteral("ABC"));
    QCOMPARE(satz(QStringLiteral("springer.dat"), 51, 2).mid(1, 2), QByteArray("/0"));
    QCOMPARE(satz(QStringLiteral("robbier.dat"), 51, 1), QByteArray("\x32") + QByteArray(50, '0'));
}

void TestGeteilterOrdner::verknuepfung_data()
{
    QTest::addColumn<uint>("zielordnerModus");
    QTest::addColumn<int>("konto");  // 1 B, 3 root
    // the copy lies beside the target and replaces it there
    QTest::newRow("Ziel in einem Ordner, der Kopien nimmt") << 0777u << 3;
    // no copy possible beside the target: written into it
    QTest::newRow("Ziel in einem Ordner von root") << 0755u << 1;
}

void TestGeteilterOrdner::verknuepfung()
{
    QFETCH(uint, zielordnerModus);
    QFETCH(int, konto);
    setzeRegister({QStringLiteral("Anna")});
    QTemporaryDir anderswo;
    const QString ziel = anderswo.filePath(QStringLiteral("xbasan.dat"));
    QVERIFY(QFile::rename(m_ordner->pfad(QStringLiteral("xbasan.dat")), ziel));
    QVERIFY(QFile::link(ziel, m_ordner->pfad(QStringLiteral("xbasan.dat"))));
    setze(anderswo.path(), 0, 0, zielordnerModus);
    setze(ziel, kA, kGruppe, 0666);
    setze(m_ordner->pfad(QString()), kB, kB, 0755);
    const Rechte vorher = rechte(ziel);
    const QStringList hierVorher = eintraege(m_ordner->pfad(QString()));
    const QStringList dortVorher = eintraege(anderswo.path());

    const QString bericht = alsKonto(kKonten[konto], [] {
        dialog::Skript skript;
        trageEinImFenster(QStringLiteral("Udo"));
        return skript.texte;
    });
    QCOMPARE(bericht, QStringLiteral("Der Nutzer wurde eingetragen!"));
    QCOMPARE(QFileInfo(m_ordner->pfad(QStringLiteral("xbasan.dat"))).symLinkTarget(), ziel);
    QCOMPARE(rechte(ziel), vorher);
    QCOMPARE(nutzerregister::lies().at(1), QStringLiteral("Udo"));
    QCOMPARE(eintraege(m_ordner->pfad(QString())), hierVorher);
    QCOMPARE(eintraege(anderswo.path()), dortVorher);
}

void TestGeteilterOrdner::scheiternInDerDatei_data()
{
    // in a folder of root's, the records go into the files themselves; a write
    // that fails there gives back what it wrote
    QTest::addColumn<QString>("was");
    QTest::addColumn<qint64>("grenze");  // largest file size the child may write to, 0 none
    QTest::addColumn<int>("schritt");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("meldungen");
    const int schreiben = int(satzdatei::Schritt::Schreiben);
    const int leeren = int(satzdatei::Schritt::Leeren);
    // a real refusal by the system: the first record goes in, the 30th not
    QTest::newRow("Register an der Dateigrenze") << "Register" << qint64(300) << schreiben << 0 << "Zu wenig Speicherplatz";
    QTest::newRow("Register auf die Platte") << "Register" << qint64(0) << leeren << 1 << "Zu wenig Speicherplatz";
    // the deletion changes xbaserg0, robbier and the register, in that order
    QTest::newRow("Löschen: Register schreiben") << "Löschen" << qint64(0) << schreiben << 3
                                                 << "Zu wenig Speicherplatz";
    QTest::newRow("Löschen: Leveldatei auf die Platte") << "Löschen" << qint64(0) << leeren << 2
                                                        << "Zu wenig Speicherplatz";
}

void TestGeteilterOrdner::scheiternInDerDatei()
{
    QFETCH(QString, was);
    QFETCH(qint64, grenze);
    QFETCH(int, schritt);
    QFETCH(int, n);
    QFETCH(QString, meldungen);
    bereiteVor();
    const QString ordner = m_ordner->pfad(QString());
    setze(ordner, 0, 0, 0755);
    for (const QString& name : eigeneNamen())
        setze(m_ordner->pfad(name), 0, 0, 0666);
    const QStringList eintraegeVorher = eintraege(ordner);
    QMap<QString, QByteArray> vorher;
    for (const QString& name : eigeneNamen())
        vorher[name] = m_ordner->lies(name);

    const QString bericht = alsKonto(kKonten[2], [&] {
        dialog::Skript skript;
        if (grenze > 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit r{rlim_t(grenze), rlim_t(grenze)};
            ::setrlimit(RLIMIT_FSIZE, &r);
        }
        satzdatei::setzeFehlerNach(satzdatei::Schritt(schritt), n);
        if (was == QLatin1String("Register")) {
            QStringList plaetze = nutzerregister::lies();
            plaetze[0] = QStringLiteral("Erster");
            plaetze[29] = QStringLiteral("Dreißigster");
            nutzerregister::schreibe(plaetze);
        } else {
            nutzer = 1;
            loescheZweiten(skript);
        }
        return skript.texte;
    });
    QCOMPARE(QString(bericht).remove(QLatin1String("! ")), meldungen);
    for (const QString& name : eigeneNamen())
        QVERIFY2(m_ordner->lies(name) == vorher[name], qPrintable(name));
    QCOMPARE(eintraege(ordner), eintraegeVorher);
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestGeteilterOrdner t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_geteilterordner.moc"
