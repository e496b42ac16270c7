// The monkey run: every program in the program table, opened through the
// dispatcher, gets seeded random input until its budget is spent and is then
// closed. A row fails on an error shown in the error box that is not a file
// error, on a file of the working folder that changed its size, appeared or
// vanished, and on a run that cannot be closed; a crash fails the whole test
// and a hang aborts it with the program, seed and last action named.
//
// AFFE_SAAT sets the seed (each program draws from seed + program number),
// AFFE_EREIGNISSE the events per program, AFFE_HAENGT_MS the hang limit.
#include "app/programme.h"
#include "common/fehler.h"
#include "common/programme.h"
#include "common/zufall.h"
#include "common/zustand.h"
#include "platform/anwendung.h"
#include "platform/drucker.h"
#include "platform/form.h"
#include "platform/warten.h"
#include "shell/aufruf.h"
#include "shell/nutzerregister.h"
#include "shell/planlauf.h"
#include "shell/programmtabelle.h"
#include "tests/affe/affe.h"
#include "tests/support/testumgebung.h"

#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QThread>
#include <QTest>
#include <map>
#include <random>

namespace {

long umgebung(const char* name, long vorgabe)
{
    bool ok = false;
    const long wert = qEnvironmentVariable(name).toLong(&ok);
    return ok && wert > 0 ? wert : vorgabe;
}

// Size of every file under the folder, by path relative to it.
std::map<QString, qint64> groessen(const QString& ordner)
{
    std::map<QString, qint64> liste;
    QDirIterator it(ordner, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    const QDir basis(ordner);
    while (it.hasNext()) {
        it.next();
        liste[basis.relativeFilePath(it.filePath())] = it.fileInfo().size();
    }
    return liste;
}

QStringList unterschiede(const std::map<QString, qint64>& vorher, const std::map<QString, qint64>& nachher)
{
    QStringList text;
    for (const auto& [datei, groesse] : vorher) {
        const auto it = nachher.find(datei);
        if (it == nachher.end())
            text << QStringLiteral("%1 fehlt (%2 Bytes)").arg(datei).arg(groesse);
        else if (it->second != groesse)
            text << QStringLiteral("%1: %2 statt %3 Bytes").arg(datei).arg(it->second).arg(groesse);
    }
    for (const auto& [datei, groesse] : nachher)
        if (!vorher.count(datei))
            text << QStringLiteral("%1 ist neu (%2 Bytes)").arg(datei).arg(groesse);
    return text;
}

// A conversion error of a text typed into a field of the window on top is the
// answer the exercises give by design to a minus that the caret put after a
// digit; any other error that is not a file error is a fault.
bool getippt(const std::exception& e)
{
    QWidget* oben = QApplication::activeModalWidget();
    if (!oben)
        return false;
    const QString text = QString::fromUtf8(e.what());
    for (const QLineEdit* feld : oben->findChildren<QLineEdit*>())
        if (text == QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(feld->text())
            || text == QStringLiteral("'%1' ist kein gültiger Integerwert").arg(feld->text()))
            return true;
    return false;
}

}

class TestAffe : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void jedesProgramm_data();
    void jedesProgramm();

    void fallenWerdenErkannt_data();
    void fallenWerdenErkannt();
    void haengerWirdGemeldet();

private:
    struct Lauf {
        QString wer;
        long ereignisse = 0;
        long zugestellt = 0;
        QStringList fehler;     // errors shown that are faults
        QStringList geaendert;  // files of the working folder that changed size, came or went
        bool offen = false;     // a window is still open
    };
    // a number that names no program, for the traps
    static constexpr int kFallennummer = 12;

    void nutzerBereit();
    Lauf laufe(int n, quint32 saat, long budget);
    void stelleFalle(std::function<void()> falle);

    std::unique_ptr<Arbeitsordner> m_ordner;
    std::unique_ptr<Wachhund> m_hund;
    QTemporaryDir m_druckordner;
    quint32 m_saat = 0;
    long m_budget = 0;
    QStringList m_fehler;
    Affe* m_affe = nullptr;
    long m_summe = 0;
};

void TestAffe::initTestCase()
{
    m_saat = quint32(umgebung("AFFE_SAAT", 20240611));
    m_budget = umgebung("AFFE_EREIGNISSE", 3000);
    m_hund = std::make_unique<Wachhund>(int(umgebung("AFFE_HAENGT_MS", 10000)));
    m_ordner = std::make_unique<Arbeitsordner>();
    programmeEintragen();
    // printouts go to a folder of their own, not into the working folder
    Druckauftrag::setzeZieldatei(m_druckordner.filePath(QStringLiteral("druck.pdf")));
    // a plan with built and unbuilt exercises for the plan runner
    QStringList plaene(plan::kPlaene, plan::frei());
    plaene[0] = QStringLiteral("Affenplan").leftJustified(plan::kNamenlaenge) + QStringLiteral("ABDZ");
    plan::schreibe(plaene);
    // a pause is one pass of the event loop: input and closing reach it, but the
    // monkey's ticks do not wait out the wall clock
    setzeWartenErsatz([](int) { QCoreApplication::processEvents(); });
    setzeFehlerbeobachter([this](const std::exception& e) {
        if (dynamic_cast<const EAFehler*>(&e) || (dynamic_cast<const Konvertierungsfehler*>(&e) && getippt(e)))
            return;
        m_fehler << QStringLiteral("Fehlerbox \"%1\" nach: %2")
                        .arg(QString::fromUtf8(e.what()), m_affe ? m_affe->letzteAktion() : QString());
    });
    qInfo("Saat %u, %ld Ereignisse je Programm", m_saat, m_budget);
}

void TestAffe::cleanupTestCase()
{
    setzeFehlerbeobachter(nullptr);
    setzeWartenErsatz(nullptr);
    zufall::setzeFolge({});
    Druckauftrag::setzeZieldatei(QString());
    Programmtabelle::global().leeren();
    qInfo("%ld Ereignisse insgesamt", m_summe);
    m_ordner.reset();
}

// A user in the first place who is the current one, whatever the last run did
// to the register.
void TestAffe::nutzerBereit()
{
    QStringList plaetze = nutzerregister::lies();
    if (nutzerregister::frei(plaetze.at(0))) {
        plaetze[0] = QStringLiteral("Affe");
        nutzerregister::schreibe(plaetze);
    }
    nutzer = 1;
    nutzername = plaetze.at(0).trimmed();
}

void TestAffe::jedesProgramm_data()
{
    QTest::addColumn<int>("n");
    // every number the table knows, the plan runner (8) with them
    for (int n = 1; n <= 13 + 12 * 10; ++n)
        if (Programmtabelle::global().hat(n) || n == 8)
            QTest::addRow("%d %s", n, qPrintable(programm::kurzname(n))) << n;
}

// Runs the monkey on program n and looks at what it left behind.
TestAffe::Lauf TestAffe::laufe(int n, quint32 saat, long budget)
{
    nutzerBereit();
    const auto vorher = groessen(QDir::currentPath());
    m_fehler.clear();

    // the exercises' own draws follow the seed too
    auto ziehung = std::make_shared<std::mt19937>(saat);
    zufall::setzeFolge([ziehung] { return std::uniform_real_distribution<double>(0.0, 1.0)(*ziehung); });

    Affe affe(saat, budget, m_hund.get());
    affe.wer = QStringLiteral("Programm %1, Saat %2").arg(n).arg(saat);
    m_affe = &affe;
    m_hund->scharf(affe.wer);
    std::mt19937 menues(saat);
    QElapsedTimer uhr;
    uhr.start();
    affe.starte();
    // a window closed early is opened again until the budget is spent; each
    // opening spends at least one event
    int aufrufe = 0;
    while (!affe.schliesst()) {
        const long bisher = affe.ereignisse();
        const Menueart art = menues() % 2 ? Menueart::Knopfmenue : Menueart::Windowsmenue;
        aufruf(n, art);
        ++aufrufe;
        if (affe.ereignisse() == bisher)
            break;  // nothing opened: no window to give input to
    }
    affe.halte();
    m_hund->ruhe();
    m_affe = nullptr;
    zufall::setzeFolge({});
    m_summe += affe.ereignisse();
    qInfo("%s: %ld Ereignisse, %ld zugestellt, %d Aufrufe, %ld Schließtakte, %lld ms", qPrintable(affe.wer),
          affe.ereignisse(), affe.zugestellt(), aufrufe, affe.schliesstakte(), uhr.elapsed());

    Lauf lauf;
    lauf.wer = affe.wer;
    lauf.ereignisse = affe.ereignisse();
    lauf.zugestellt = affe.zugestellt();
    lauf.fehler = m_fehler;
    lauf.geaendert = unterschiede(vorher, groessen(QDir::currentPath()));
    lauf.offen = QApplication::activeModalWidget() != nullptr;
    return lauf;
}

void TestAffe::jedesProgramm()
{
    QFETCH(int, n);
    const Lauf lauf = laufe(n, m_saat + quint32(n), m_budget);
    const QString wer = lauf.wer + QStringLiteral(": ");
    QVERIFY2(lauf.fehler.isEmpty(), qPrintable(wer + lauf.fehler.join(QStringLiteral("; "))));
    QVERIFY2(lauf.geaendert.isEmpty(), qPrintable(wer + lauf.geaendert.join(QStringLiteral("; "))));
    QVERIFY2(!lauf.offen, qPrintable(wer + QStringLiteral("ein Fenster blieb offen")));
    // the input reached the controls: the run tested something
    QVERIFY2(lauf.ereignisse == m_budget, qPrintable(wer + QStringLiteral("%1 Ereignisse").arg(lauf.ereignisse)));
    QVERIFY2(lauf.zugestellt * 4 > lauf.ereignisse,
             qPrintable(wer + QStringLiteral("nur %1 Eingaben kamen an").arg(lauf.zugestellt)));
}

// A window of one button for the checks of the checks: each click does what
// the trap says.
void TestAffe::stelleFalle(std::function<void()> falle)
{
    static Form* fenster = nullptr;
    static QPushButton* knopf = nullptr;
    if (!fenster) {
        fenster = new Form;
        fenster->setObjectName(QStringLiteral("falle"));
        fenster->resize(300, 200);
        knopf = new QPushButton(QStringLiteral("Falle"), fenster);
        knopf->setGeometry(0, 0, 300, 200);
    }
    knopf->disconnect();
    QObject::connect(knopf, &QPushButton::clicked, fenster, [falle] { schuetze(falle); });
    Programmtabelle::global().setze(kFallennummer, [] { fensterZeigen(*fenster); });
}

void TestAffe::fallenWerdenErkannt_data()
{
    QTest::addColumn<int>("art");
    QTest::addColumn<QString>("erwartet");  // the start of the one finding; empty: none
    QTest::newRow("Dateifehler") << 0 << QString();
    QTest::newRow("getippte Zahl") << 1 << QString();
    QTest::newRow("andere Zahl") << 2 << QStringLiteral("Fehlerbox \"'x' ist kein gültiger Integerwert\"");
    QTest::newRow("sonstiger Fehler") << 3 << QStringLiteral("Fehlerbox \"Falle\"");
    QTest::newRow("Datei länger") << 4 << QStringLiteral("xbasplan.dat: 2051 statt 2050 Bytes");
    QTest::newRow("Datei neu") << 5 << QStringLiteral("falle.tmp ist neu (3 Bytes)");
    QTest::newRow("Datei weg") << 6 << QStringLiteral("ausdruck.txt fehlt (0 Bytes)");
}

void TestAffe::fallenWerdenErkannt()
{
    QFETCH(int, art);
    QFETCH(QString, erwartet);
    const QByteArray plan = m_ordner->lies(QStringLiteral("xbasplan.dat"));
    QCOMPARE(plan.size(), 2050);
    m_ordner->schreibe(QStringLiteral("ausdruck.txt"), QByteArray());
    auto ausgeloest = std::make_shared<bool>(false);
    stelleFalle([=, this] {
        if (std::exchange(*ausgeloest, true))
            return;
        switch (art) {
        case 0: throw EAFehler(101);
        case 1: {
            // a field of the window on top holds the typed text
            auto* feld = new QLineEdit(QApplication::activeModalWidget());
            feld->setText(QStringLiteral("8-"));
            throw Konvertierungsfehler(QStringLiteral("'8-' ist kein gültiger Gleitkommawert"));
        }
        case 2: throw Konvertierungsfehler(QStringLiteral("'x' ist kein gültiger Integerwert"));
        case 3: throw VelmoraFehler(QStringLiteral("Falle"));
        case 4: m_ordner->schreibe(QStringLiteral("xbasplan.dat"), plan + ' '); break;
        case 5: m_ordner->schreibe(QStringLiteral("falle.tmp"), "abc"); break;
        case 6: QFile::remove(m_ordner->pfad(QStringLiteral("ausdruck.txt"))); break;
        }
    });
    const Lauf lauf = laufe(kFallennummer, m_saat, 200);
    m_ordner->schreibe(QStringLiteral("xbasplan.dat"), plan);
    QFile::remove(m_ordner->pfad(QStringLiteral("falle.tmp")));
    QVERIFY(*ausgeloest);
    const QStringList befunde = lauf.fehler + lauf.geaendert;
    if (erwartet.isEmpty()) {
        QCOMPARE(befunde, QStringList());
    } else {
        QCOMPARE(befunde.size(), 1);
        QVERIFY2(befunde.at(0).startsWith(erwartet), qPrintable(befunde.at(0)));
    }
}

// A handler that never returns: the watchdog ends the process and names the
// program, the seed and the last input. Runs in a child process of its own.
void TestAffe::haengerWirdGemeldet()
{
    if (qEnvironmentVariableIsSet("AFFE_KIND")) {
        stelleFalle([] {
            for (;;)
                QThread::msleep(10);
        });
        laufe(kFallennummer, 7, 200);
        QFAIL("der Wachhund hat nicht angeschlagen");
    }
    QProcess kind;
    QProcessEnvironment umg = QProcessEnvironment::systemEnvironment();
    umg.insert(QStringLiteral("AFFE_KIND"), QStringLiteral("1"));
    umg.insert(QStringLiteral("AFFE_HAENGT_MS"), QStringLiteral("1000"));
    kind.setProcessEnvironment(umg);
    kind.start(QCoreApplication::applicationFilePath(), {QStringLiteral("haengerWirdGemeldet")});
    QVERIFY(kind.waitForFinished(120000));
    const QString fehler = QString::fromUtf8(kind.readAllStandardError());
    QCOMPARE(kind.exitStatus(), QProcess::CrashExit);
    QVERIFY2(fehler.contains(QStringLiteral("FAIL! Affe: kein Ereignis seit 1000 ms in Programm 12, Saat 7, "
                                            "zuletzt: Programm 12, Saat 7: ")),
             qPrintable(fehler));
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestAffe t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_affe.moc"
