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

private:
    void nutzerBereit();

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
    m_budget = umgebung("AFFE_EREIGNISSE", 2000);
    m_hund = std::make_unique<Wachhund>(int(umgebung("AFFE_HAENGT_MS", 10000)));
    m_ordner = std::make_unique<Arbeitsordner>();
    programmeEintragen();
    // printouts go to a folder of their own, not into the working folder
    Druckauftrag::setzeZieldatei(m_druckordner.filePath(QStringLiteral("druck.pdf")));
    // a plan with built and unbuilt exercises for the plan runner
    QStringList plaene(plan::kPlaene, plan::frei());
    plaene[0] = QStringLiteral("Affenplan").leftJustified(plan::kNamenlaenge) + QStringLiteral("ABDZ");
    plan::schreibe(plaene);
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

void TestAffe::jedesProgramm()
{
    QFETCH(int, n);
    const quint32 saat = m_saat + quint32(n);
    nutzerBereit();
    const auto vorher = groessen(QDir::currentPath());
    m_fehler.clear();

    // the exercises' own draws follow the seed too
    auto ziehung = std::make_shared<std::mt19937>(saat);
    zufall::setzeFolge([ziehung] { return std::uniform_real_distribution<double>(0.0, 1.0)(*ziehung); });

    Affe affe(saat, m_budget, m_hund.get());
    affe.wer = QStringLiteral("Programm %1, Saat %2").arg(n).arg(saat);
    m_affe = &affe;
    m_hund->scharf(affe.wer);
    std::mt19937 menues(saat);
    QElapsedTimer uhr;
    uhr.start();
    affe.starte();
    // a window closed early is opened again until the budget is spent
    int aufrufe = 0;
    while (!affe.schliesst() && aufrufe < 1000) {
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

    QVERIFY2(m_fehler.isEmpty(), qPrintable(affe.wer + QStringLiteral(": ") + m_fehler.join(QStringLiteral("; "))));
    const QStringList geaendert = unterschiede(vorher, groessen(QDir::currentPath()));
    QVERIFY2(geaendert.isEmpty(), qPrintable(affe.wer + QStringLiteral(": ") + geaendert.join(QStringLiteral("; "))));
    QVERIFY2(affe.ereignisse() > 0, qPrintable(affe.wer + QStringLiteral(": kein Fenster geöffnet")));
    QVERIFY2(!QApplication::activeModalWidget(), qPrintable(affe.wer + QStringLiteral(": ein Fenster blieb offen")));
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestAffe t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_affe.moc"
