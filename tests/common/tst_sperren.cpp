// The locks under the rules of NFS and SMB (simulated by
// tests/support/freigaberegeln.cpp), the errors of a lock, the messages of a
// refused read and a refused save, a group that locks only what it was given,
// and the one order in which every saving path takes its locks.
#include "common/dateischreiben.h"
#include "common/dateisperre.h"
#include "common/fehler.h"
#include "common/satzdatei.h"
#include "common/zustand.h"
#include "exercises/logic/uspielro1.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "shell/ergebnisse.h"
#include "shell/highscore.h"
#include "shell/nutzerregister.h"
#include "shell/planlauf.h"
#include "shell/udatlist.h"
#include "shell/uebungsrahmen.h"
#include "shell/uform5.h"
#include "shell/unut02.h"
#include "shell/uplan02.h"
#include "tests/support/freigaberegeln.h"
#include "tests/support/konten.h"
#include "tests/support/sperrfolge.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <optional>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// An account no one else uses, for the one that may only read.
constexpr uid_t kLeser = 47103;

const QString kGesperrtLesen = QStringLiteral(
    "Die Datei %1 wird gerade von einem anderen VELMORA-Programm benutzt. Bitte versuchen Sie es noch einmal.");
const QString kGesperrtSpeichern = QStringLiteral(
    "Die Datei %1 wird gerade von einem anderen VELMORA-Programm benutzt. "
    "Es wurde nichts gespeichert; bitte versuchen Sie es noch einmal.");

ino_t inode(const QString& datei)
{
    struct stat st {};
    ::stat(QFile::encodeName(datei).constData(), &st);
    return st.st_ino;
}

int oeffne(const QString& datei, int flags) { return ::open(QFile::encodeName(datei).constData(), flags | O_CLOEXEC); }

// The errno of a call that returns -1, 0 if it succeeded.
int fehlerVon(long ergebnis) { return ergebnis < 0 ? errno : 0; }

// Robbi's level chooser: level 1 solved, then 0 ends the opening and saves;
// vorDerNull runs before the 0.
void spieleRobbi(const std::function<void()>& vorDerNull = [] {})
{
    Tspielro1 wahl(Tspielro1::mitglied(107), [] {
        levelnr += 100;
        return true;
    });
    wahl.show();
    for (const char* e : {"1", "0"}) {
        if (*e == '0')
            vorDerNull();
        QTest::keyClicks(wahl.Edit1, QString::fromLatin1(e));
        QTest::keyClick(wahl.Edit1, Qt::Key_Return);
    }
}

// A plan "Morgens" with the first exercise, made in the Plan-Editor and saved by "zurück".
void legePlanAn(dialog::Skript& skript)
{
    Tplan02& editor = Tplan02::instanz();
    editor.show();
    skript.eingaben = {QStringLiteral("Morgens")};
    QTest::mouseClick(editor.Button2, Qt::LeftButton);
    editor.ListBox2->setCurrentRow(0);
    for (QPushButton* b : {editor.Button5, editor.Button6, editor.Button4})
        QTest::mouseClick(b, Qt::LeftButton);
}

// The locks a wait tried to take; where g_ersetzt names a file, another desk
// puts a copy of it in its place before every try.
int g_versuche = 0;
QByteArray g_ersetzt;
QByteArray g_kopie;

void vorDemVersuch(int)
{
    // past a thousand the file stays: a loop without its deadline ends here and fails
    if (++g_versuche > 1000 || g_ersetzt.isEmpty())
        return;
    QFile neu(QFile::decodeName(g_ersetzt + ".neu"));
    if (neu.open(QIODevice::WriteOnly) && neu.write(g_kopie) == g_kopie.size() && neu.flush())
        ::rename((g_ersetzt + ".neu").constData(), g_ersetzt.constData());
}

}

class TestSperren : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void regelnSimuliert_data();
    void regelnSimuliert();
    void aufDerFreigabeInDieDatei_data();
    void aufDerFreigabeInDieDatei();
    void sperrfehler_data();
    void sperrfehler();
    void nurLesendesKontoTeilt();
    void gesperrtLesenUndSpeichern_data();
    void gesperrtLesenUndSpeichern();
    void speichernAbgelehnt_data();
    void speichernAbgelehnt();
    void zuVieleDateien();
    void gruppeNurGenannte();
    void sperrreihenfolge();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
};

void TestSperren::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    nutzer = 1;
    nutzername = QStringLiteral("Anna");
    setzeRegister({QStringLiteral("Anna"), QStringLiteral("Bert")});
}

void TestSperren::cleanup()
{
    freigabe::setze(freigabe::Regeln::Lokal);
    freigabe::setzeDateisystem(0);
    freigabe::setzeFlockFehler(0, 0);
    sperrfolge::pruefe(false);
    Dateisperre::setzeWartezeit(0);
    ::chmod(QFile::encodeName(m_ordner->pfad(QString())).constData(), 0700);
    m_ordner.reset();
}

void TestSperren::regelnSimuliert_data()
{
    QTest::addColumn<int>("regeln");
    QTest::newRow("lokal") << int(freigabe::Regeln::Lokal);
    QTest::newRow("NFS") << int(freigabe::Regeln::NFS);
    QTest::newRow("SMB") << int(freigabe::Regeln::SMB);
}

// The simulation itself: what each rule refuses, and that it refuses it.
void TestSperren::regelnSimuliert()
{
    QFETCH(int, regeln);
    const auto r = freigabe::Regeln(regeln);
    freigabe::setze(r);
    const QString datei = QStringLiteral("xbasan.dat");
    const int lesen = oeffne(datei, O_RDONLY);
    const int beides = oeffne(datei, O_RDWR);
    const int zweiter = oeffne(datei, O_RDWR);
    QVERIFY(lesen >= 0 && beides >= 0 && zweiter >= 0);
    char c = 0;
    // an exclusive lock needs a descriptor open for writing
    QCOMPARE(fehlerVon(::flock(lesen, LOCK_EX | LOCK_NB)), r == freigabe::Regeln::Lokal ? 0 : EBADF);
    ::flock(lesen, LOCK_UN);
    QCOMPARE(fehlerVon(::flock(beides, LOCK_EX | LOCK_NB)), 0);
    // a lock held elsewhere: the SMB client says EACCES
    QCOMPARE(fehlerVon(::flock(zweiter, LOCK_SH | LOCK_NB)), r == freigabe::Regeln::SMB ? EACCES : EWOULDBLOCK);
    // the holder reads and writes; a second descriptor only where the lock is advisory
    const int fremd = r == freigabe::Regeln::SMB ? EACCES : 0;
    QCOMPARE(fehlerVon(::pread(beides, &c, 1, 0)), 0);
    QCOMPARE(fehlerVon(::pwrite(beides, &c, 1, 0)), 0);
    QCOMPARE(fehlerVon(::pread(zweiter, &c, 1, 0)), fremd);
    QCOMPARE(fehlerVon(::pwrite(zweiter, &c, 1, 0)), fremd);
    QCOMPARE(m_ordner->lies(datei).size(), r == freigabe::Regeln::SMB ? 0 : 840);  // through Qt's own read
    // a shared lock: everyone reads, nobody writes, its holder included
    QCOMPARE(fehlerVon(::flock(beides, LOCK_SH | LOCK_NB)), 0);
    QCOMPARE(fehlerVon(::pread(zweiter, &c, 1, 0)), 0);
    QCOMPARE(fehlerVon(::pwrite(zweiter, &c, 1, 0)), fremd);
    QCOMPARE(fehlerVon(::pwrite(beides, &c, 1, 0)), fremd);
    QCOMPARE(fehlerVon(::flock(lesen, LOCK_SH | LOCK_NB)), 0);
    ::flock(lesen, LOCK_UN);
    ::flock(beides, LOCK_UN);
    QCOMPARE(fehlerVon(::pwrite(zweiter, &c, 1, 0)), 0);
    for (const int fd : {lesen, beides, zweiter})
        ::close(fd);
}

void TestSperren::aufDerFreigabeInDieDatei_data()
{
    QTest::addColumn<int>("regeln");
    QTest::addColumn<long>("dateisystem");
    QTest::addColumn<bool>("inDieDatei");
    QTest::newRow("lokal") << int(freigabe::Regeln::Lokal) << 0L << false;
    QTest::newRow("NFS") << int(freigabe::Regeln::NFS) << 0x6969L << true;
    QTest::newRow("SMB2") << int(freigabe::Regeln::SMB) << 0xFE534D42L << true;
    QTest::newRow("CIFS") << int(freigabe::Regeln::SMB) << 0xFF534D42L << true;
}

// On a share a file that keeps its size is written in place through its
// locked descriptor, in a folder that would take a copy; only a file that
// changes its size is still replaced.
void TestSperren::aufDerFreigabeInDieDatei()
{
    QFETCH(int, regeln);
    QFETCH(long, dateisystem);
    QFETCH(bool, inDieDatei);
    freigabe::setze(freigabe::Regeln(regeln));
    freigabe::setzeDateisystem(dateisystem);
    const QStringList vorher = m_ordner->dateien();
    const ino_t register_ = inode(QStringLiteral("xbasan.dat"));
    const ino_t plaene = inode(QStringLiteral("xbasplan.dat"));
    const ino_t bild = inode(QStringLiteral("velmbagr.jpg"));

    Satzdatei::schreibeTexte(QStringLiteral("xbasan.dat"), 21, {QStringLiteral("Anna"), QStringLiteral("Carla")});
    QCOMPARE(nutzerregister::lies().mid(0, 2), (QStringList{QStringLiteral("Anna"), QStringLiteral("Carla")}));
    QCOMPARE(inode(QStringLiteral("xbasan.dat")) == register_, inDieDatei);
    {
        Dateigruppe gruppe({QStringLiteral("xbasplan.dat")});
        gruppe.oeffne(QStringLiteral("xbasplan.dat"), plan::kKapazitaet + 1).schreibeText(QStringLiteral("Neu"));
        gruppe.schreibe();
    }
    QCOMPARE(inode(QStringLiteral("xbasplan.dat")) == plaene, inDieDatei);
    QCOMPARE(plan::lies().at(0), QStringLiteral("Neu"));
    const QByteArray jpg = m_ordner->lies(QStringLiteral("velmbagr.jpg"));
    satzdatei::schreibeDatei(QStringLiteral("velmbagr.jpg"), QByteArray(jpg).replace(0, 1, "x"));
    QCOMPARE(inode(QStringLiteral("velmbagr.jpg")) == bild, inDieDatei);
    // one byte longer: only a copy can (made while the file it replaces is
    // there, so it cannot get that file's number; an older number may be reused)
    const ino_t vorDerKopie = inode(QStringLiteral("velmbagr.jpg"));
    satzdatei::schreibeDatei(QStringLiteral("velmbagr.jpg"), jpg + "x");
    QVERIFY(inode(QStringLiteral("velmbagr.jpg")) != vorDerKopie);
    QCOMPARE(m_ordner->lies(QStringLiteral("velmbagr.jpg")), jpg + "x");
    QCOMPARE(m_ordner->dateien(), vorher);
}

void TestSperren::sperrfehler_data()
{
    QTest::addColumn<int>("regeln");
    QTest::addColumn<int>("fehler");
    QTest::addColumn<QStringList>("meldungen");
    const QStringList eingetragen{QStringLiteral("Der Nutzer wurde eingetragen!")};
    const QString ohne = QStringLiteral("Die Datei xbasan.dat kann nicht gesperrt werden: Der Server der Freigabe gibt "
                                        "keine Dateisperren. Es wurde nichts gespeichert.");
    // a local file system without locks: as before, unlocked
    QTest::newRow("ENOLCK, lokal") << int(freigabe::Regeln::Lokal) << ENOLCK << eingetragen;
    QTest::newRow("ENOSYS, lokal") << int(freigabe::Regeln::Lokal) << ENOSYS << eingetragen;
    // a share without locks: two desks would undo each other's saves
    QTest::newRow("ENOLCK, NFS") << int(freigabe::Regeln::NFS) << ENOLCK << QStringList{ohne};
    QTest::newRow("EOPNOTSUPP, SMB") << int(freigabe::Regeln::SMB) << EOPNOTSUPP << QStringList{ohne};
    // anything else: the error's message, and nothing saved
    QTest::newRow("EBADF") << int(freigabe::Regeln::NFS) << EBADF << QStringList{QStringLiteral("E/A-Fehler 9")};
    QTest::newRow("EIO") << int(freigabe::Regeln::SMB) << EIO << QStringList{QStringLiteral("E/A-Fehler 5")};
    QTest::newRow("EINTR") << int(freigabe::Regeln::Lokal) << EINTR << eingetragen;  // tried again
    // on SMB a lock held elsewhere: waited for
    QTest::newRow("EACCES, SMB") << int(freigabe::Regeln::SMB) << EACCES << eingetragen;
    QTest::newRow("EACCES, lokal") << int(freigabe::Regeln::Lokal) << EACCES << QStringList{QStringLiteral("Zugriff verweigert")};
}

void TestSperren::sperrfehler()
{
    QFETCH(int, regeln);
    QFETCH(int, fehler);
    QFETCH(QStringList, meldungen);
    freigabe::setze(freigabe::Regeln(regeln));
    const QByteArray vorher = m_ordner->lies(QStringLiteral("xbasan.dat"));
    dialog::Skript skript;
    freigabe::setzeFlockFehler(fehler, 1);
    trageEinImFenster(QStringLiteral("Carla"));
    // a refused entry leaves the window open with the name, to be tried again
    Tnut02::instanz().edi1nut02->clear();
    Tnut02::instanz().hide();
    QCOMPARE(skript.texte, meldungen);
    if (meldungen.first().startsWith(QLatin1String("Der Nutzer")))
        QCOMPARE(nutzerregister::lies().at(2), QStringLiteral("Carla"));
    else
        QCOMPARE(m_ordner->lies(QStringLiteral("xbasan.dat")), vorher);
}

// An account that may only read holds a shared lock, which NFS grants on a
// descriptor open for reading: others read along, nobody writes meanwhile.
void TestSperren::nurLesendesKontoTeilt()
{
    if (::geteuid() != 0)
        QSKIP("needs root: the reader is a child process that switches to another user id");
    setze(m_ordner->pfad(QString()), 0, 0, 0755);
    for (const QString& name : QDir(m_ordner->pfad(QString())).entryList(QDir::Files))
        setze(m_ordner->pfad(name), 0, 0, 0644);
    for (const auto r : {freigabe::Regeln::NFS, freigabe::Regeln::SMB}) {
        freigabe::setze(r);
        const QString bericht = alsKonto({kLeser, kLeser, {kLeser}}, [] {
            QStringList b;
            Satzdatei d(QStringLiteral("xbasan.dat"), 21);
            d.positioniere(1);
            b << d.liesText();
            b << Satzdatei::liesTexte(QStringLiteral("xbasan.dat"), 21, 1);  // the same lock, in this process
            // the lock seen from another descriptor, under plain rules
            freigabe::setze(freigabe::Regeln::Lokal);
            const int fd = oeffne(QStringLiteral("xbasan.dat"), O_RDONLY);
            b << (::flock(fd, LOCK_SH | LOCK_NB) == 0 ? QStringLiteral("mitlesen") : QStringLiteral("nicht mitlesen"));
            ::flock(fd, LOCK_UN);
            b << (::flock(fd, LOCK_EX | LOCK_NB) == 0 ? QStringLiteral("schreiben") : QStringLiteral("nicht schreiben"));
            ::close(fd);
            try {
                d.schreibeText(QStringLiteral("Udo"));
            } catch (const EAFehler& e) {
                b << e.text();
            }
            return b;
        });
        QCOMPARE(bericht, (QStringList{QStringLiteral("Bert"), QStringLiteral("Anna"), QStringLiteral("mitlesen"),
                                       QStringLiteral("nicht schreiben"),
                                       QStringLiteral("Zugriff verweigert: Dieses Konto darf die Datei xbasan.dat nur "
                                                      "lesen. Es wurde nichts gespeichert.")}
                               .join(QLatin1Char('\n'))));
    }
}

void TestSperren::gesperrtLesenUndSpeichern_data()
{
    QTest::addColumn<QString>("was");
    QTest::addColumn<bool>("speichern");
    QTest::newRow("Nutzerliste lesen") << "Nutzerliste" << false;
    QTest::newRow("Satzdatei lesen") << "Satzdatei" << false;
    QTest::newRow("Überblick zeigen") << "Ueberblick" << false;
    QTest::newRow("Nutzer eintragen") << "eintragen" << true;
    QTest::newRow("Register schreiben") << "schreibeTexte" << true;
    QTest::newRow("Gruppe") << "Dateigruppe" << true;
    QTest::newRow("Pläne speichern") << "Plaene" << true;
    QTest::newRow("Highscore löschen") << "Highscore" << true;
    // a file replaced before every lock taken: retried, within the same bound
    QTest::newRow("immer wieder ersetzt") << "ersetzt" << false;
}

// A read refused by a held lock says the file is in use and to try again, and
// nothing about saving; a refused save says that nothing was saved. Each
// waits the whole bound first, backing off: a few dozen tries, not one a
// millisecond.
void TestSperren::gesperrtLesenUndSpeichern()
{
    QFETCH(QString, was);
    QFETCH(bool, speichern);
    const QString datei = was == QLatin1String("Ueberblick") ? QStringLiteral("xbaserg3.dat")
                          : was == QLatin1String("Plaene")   ? QStringLiteral("xbasplan.dat")
                          : was == QLatin1String("Highscore") ? highscore::kDatei
                                                            : QStringLiteral("xbasan.dat");
    freigabe::setze(freigabe::Regeln::SMB);
    const QByteArray vorher = m_ordner->lies(datei);
    std::optional<Sperrhalter> halter;
    if (was != QLatin1String("ersetzt")) {
        halter.emplace(datei);
        QVERIFY(halter->pid() > 0);
    }
    constexpr int kGrenze = 300;
    Dateisperre::setzeWartezeit(kGrenze);
    g_versuche = 0;
    g_ersetzt = was == QLatin1String("ersetzt") ? QFile::encodeName(m_ordner->pfad(datei)) : QByteArray();
    g_kopie = vorher;
    freigabe::setzeBeobachter(vorDemVersuch);
    const auto ohneBeobachter = qScopeGuard([] { freigabe::setzeBeobachter(nullptr); });
    QElapsedTimer uhr;
    uhr.start();
    dialog::Skript skript;
    schuetze([&] {
        if (was == QLatin1String("Nutzerliste"))
            nutzerregister::lies();
        else if (was == QLatin1String("Satzdatei") || was == QLatin1String("ersetzt"))
            Satzdatei d(datei, 21);
        else if (was == QLatin1String("Ueberblick"))
            Tdatlist::instanz().show();
        else if (was == QLatin1String("eintragen"))
            nutzerregister::trageEin(QStringLiteral("Carla"));
        else if (was == QLatin1String("schreibeTexte"))
            Satzdatei::schreibeTexte(datei, 21, {QStringLiteral("Carla")});
        else if (was == QLatin1String("Dateigruppe"))
            Dateigruppe g({QStringLiteral("xbaserg0.dat"), datei});
        else if (was == QLatin1String("Highscore"))
            highscore::aendereBlock(0, [](highscore::Liste&) { return true; });  // as "Highscore" deletes
        else
            plan::speichereAenderungen(QStringList(plan::kPlaene, plan::frei()), QStringList(plan::kPlaene, plan::frei()));
    });
    const qint64 dauer = uhr.elapsed();
    freigabe::setzeBeobachter(nullptr);
    Tdatlist::instanz().hide();
    QCOMPARE(skript.texte, QStringList{(speichern ? kGesperrtSpeichern : kGesperrtLesen).arg(datei)});
    if (!speichern)
        QVERIFY(!skript.texte.first().contains(QLatin1String("gespeichert")));
    QVERIFY2(dauer >= kGrenze, qPrintable(QString::number(dauer)));
    // about 15 for the lock itself (and one for each other file locked)
    QVERIFY2(g_versuche < 50, qPrintable(QString::number(g_versuche)));
    freigabe::setze(freigabe::Regeln::Lokal);
    QCOMPARE(m_ordner->lies(datei), vorher);
}

void TestSperren::speichernAbgelehnt_data()
{
    QTest::addColumn<QString>("weg");            // Lauf (Rechenmix, 13), Robbi (his level chooser, 107), eintragen, Plan
    QTest::addColumn<QString>("gehalten");       // held by another program; empty: this account may only read
    QTest::addColumn<QString>("meldung");        // every box, one a line
    QTest::addColumn<QStringList>("geaendert");  // every other file stays as it was
    const QString benutzt = QStringLiteral("Die Datei %1 wird gerade von einem anderen VELMORA-Programm benutzt.");
    const QString nurLesen = QStringLiteral("Zugriff verweigert: Dieses Konto darf die Datei %1 nur lesen.");
    const QString erg = "Das Ergebnis wurde nicht gespeichert. ", hoch = "Der Highscore wurde nicht gespeichert. ";
    const QString nichts = "\nEs wurde nichts gespeichert.", reg = "xbasan.dat";
    // the end of a run saves each entry on its own; one message names those refused
    QTest::newRow("Lauf, Ergebnisdatei") << "Lauf" << "xbaserg0.dat" << erg + benutzt.arg("xbaserg0.dat")
                                         << QStringList{highscore::kDatei};
    QTest::newRow("Lauf, Highscoreliste") << "Lauf" << highscore::kDatei << hoch + benutzt.arg(highscore::kDatei)
                                          << QStringList{"xbaserg0.dat"};
    QTest::newRow("Lauf, Register") << "Lauf" << reg
                                    << "Das Ergebnis und der Highscore wurden nicht gespeichert. " + benutzt.arg(reg) + nichts
                                    << QStringList();
    QTest::newRow("Levelwahl, Leveldatei") << "Robbi" << "robbier.dat"
                                           << "Der Levelstand wurde nicht gespeichert. " + benutzt.arg("robbier.dat")
                                           << QStringList{"xbaserg7.dat", highscore::kDatei};
    QTest::newRow("Levelwahl, Register")
        << "Robbi" << reg
        << "Das Ergebnis, der Highscore und der Levelstand wurden nicht gespeichert. " + benutzt.arg(reg) + nichts
        << QStringList();
    // an account that may only read is told so, naming the file
    QTest::newRow("nur lesen, Nutzer eintragen") << "eintragen" << "" << nurLesen.arg(reg) + " Es wurde nichts gespeichert."
                                                 << QStringList();
    QTest::newRow("nur lesen, Lauf") << "Lauf" << ""
                                     << erg + nurLesen.arg("xbaserg0.dat") + "\n" + hoch + nurLesen.arg(highscore::kDatei) + nichts
                                     << QStringList();
    QTest::newRow("nur lesen, Plan") << "Plan" << ""
                                     << "Geben Sie einen Plannamen ein:\n" + nurLesen.arg("xbasplan.dat")
                                            + " Es wurde nichts gespeichert."
                                     << QStringList();
}

// A save refused by a file in use or by an account that may only read says
// so in one message, which names what was not saved and why; whatever else
// could be saved is.
void TestSperren::speichernAbgelehnt()
{
    QFETCH(QString, weg);
    QFETCH(QString, gehalten);
    QFETCH(QString, meldung);
    QFETCH(QStringList, geaendert);
    const bool leser = gehalten.isEmpty();
    if (leser && ::geteuid() != 0)
        QSKIP("needs root: the reader is a child process that switches to another user id");
    Testuhr uhr;
    Uebungsumgebung umgebung(uhr, 1, QStringLiteral("Anna"));
    const QStringList dateien = QDir(m_ordner->pfad(QString())).entryList(QDir::Files);
    QMap<QString, QByteArray> vorher;
    for (const QString& name : dateien)
        vorher[name] = m_ordner->lies(name);
    // the other program takes the file once the chooser has read its record
    const auto speichere = [&weg](const std::function<void()>& vorDemSpeichern) {
        dialog::Skript skript;
        if (weg == QLatin1String("Robbi"))
            spieleRobbi(vorDemSpeichern);
        else
            vorDemSpeichern();
        if (weg == QLatin1String("Lauf"))
            laufEintragen(13, 100.0f);
        else if (weg == QLatin1String("eintragen"))
            trageEinImFenster(QStringLiteral("Carla"));
        else if (weg == QLatin1String("Plan"))
            legePlanAn(skript);
        return skript.texte;
    };
    QString bericht;
    if (leser) {
        setze(m_ordner->pfad(QString()), 0, 0, 0755);
        for (const QString& name : dateien)
            setze(m_ordner->pfad(name), 0, 0, 0644);
        bericht = alsKonto({kLeser, kLeser, {kLeser}}, [&] { return speichere([] {}); });
    } else {
        std::unique_ptr<Sperrhalter> halter;
        bericht = speichere([&] {
                      halter = std::make_unique<Sperrhalter>(gehalten);
                      Dateisperre::setzeWartezeit(100);
                  }).join(QLatin1Char('\n'));
        QVERIFY(halter->pid() > 0);
    }
    QCOMPARE(bericht, meldung);
    for (const QString& name : dateien)
        QVERIFY2((m_ordner->lies(name) != vorher[name]) == geaendert.contains(name), qPrintable(name));
}

// A process out of descriptors gets code 4, not "Zu wenig Speicherplatz".
void TestSperren::zuVieleDateien()
{
    const QString bericht = alsKonto(diesesKonto(), [] {
        // the sanitizers' type check needs a descriptor the first time it
        // meets a type: it meets the error's type here, while there are some
        (void)EAFehler(4).text();
        const rlimit r{64, 64};
        ::setrlimit(RLIMIT_NOFILE, &r);
        while (::open("/dev/null", O_RDONLY) >= 0) {
        }
        try {
            Satzdatei d(QStringLiteral("xbasan.dat"), 21);
        } catch (const EAFehler& e) {
            return QStringList{e.text()};
        }
        return QStringList{QStringLiteral("geöffnet")};
    });
    QCOMPARE(bericht, QStringLiteral("Zu viele geöffnete Dateien"));
}

// A group locks its files in their order when it is made; a file it was not
// given would be locked out of that order.
void TestSperren::gruppeNurGenannte()
{
    Dateigruppe gruppe({QStringLiteral("xbasan.dat"), QStringLiteral("xbaserg0.dat")});
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, gruppe.oeffne(QStringLiteral("xbasplan.dat"), 21));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, gruppe.oeffne(QStringLiteral("xbaserg1.dat"), 21));
    Satzdatei& a = gruppe.oeffne(QStringLiteral("xbasan.dat"), 21);
    // the same file by another name of it is the same file, opened once
    QCOMPARE(&gruppe.oeffne(m_ordner->pfad(QStringLiteral("xbasan.dat")), 21), &a);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, gruppe.oeffne(QStringLiteral("xbasan.dat"), 51));
    a.positioniere(2);
    a.schreibeText(QStringLiteral("Carla"));
    gruppe.schreibe();
    QCOMPARE(nutzerregister::lies().at(2), QStringLiteral("Carla"));
    // refused in a window: the message, and the program goes on
    dialog::Skript skript;
    schuetze([] {
        Dateigruppe g({QStringLiteral("xbasan.dat")});
        g.oeffne(QStringLiteral("xbashigh.dat"), highscore::kSatzgroesse);
    });
    QCOMPARE(skript.texte.size(), 1);
    QVERIFY2(skript.texte.first().contains(QLatin1String("xbashigh.dat")), qPrintable(skript.texte.first()));
}

// Every path that saves takes its locks in the order of the files' paths, so
// two programs never wait for each other in a circle: entering a user, the
// end of a run, the level chooser, a plan saved by the editor, the overview,
// deleting a user.
void TestSperren::sperrreihenfolge()
{
    freigabe::setze(freigabe::Regeln::SMB);
    sperrfolge::pruefe(true);
    {
        // the checker sees a break
        Satzdatei plaene(QStringLiteral("xbasplan.dat"), plan::kKapazitaet + 1);
        Satzdatei register_(QStringLiteral("xbasan.dat"), 21);
    }
    QCOMPARE(sperrfolge::brueche().size(), 1);
    sperrfolge::pruefe(true);
    Testuhr uhr;
    Uebungsumgebung umgebung(uhr, 1, QStringLiteral("Anna"));
    dialog::Skript skript;
    trageEinImFenster(QStringLiteral("Carla"));
    waehleNutzer(1, QStringLiteral("Anna"));
    QVERIFY(laufEintragen(13, 100.0f));
    spieleRobbi();
    legePlanAn(skript);
    Tdatlist::instanz().show();
    Tdatlist::instanz().hide();
    loescheZweiten(skript);
    QCOMPARE(sperrfolge::brueche(), QStringList());
    // and each of them saved
    freigabe::setze(freigabe::Regeln::Lokal);
    QCOMPARE(nutzerregister::lies().mid(0, 3), (QStringList{QStringLiteral("Anna"), nutzerregister::kFrei, QStringLiteral("Carla")}));
    QVERIFY(Satzdatei::liesTexte(ergebnis::dateiname(0), 21, ergebnis::satznummer(1, 1, 9) + 1).last().endsWith(QLatin1String("100")));
    QVERIFY(Satzdatei::liesTexte(QStringLiteral("robbier.dat"), 51, 1).first().startsWith(QLatin1Char('/')));
    QVERIFY(plan::lies().first().startsWith(QLatin1String("Morgens")));
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestSperren t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_sperren.moc"
