// The working-folder builder: the program's own files at full size, the picture,
// content files from their sources with validation, and updates that keep a
// user's data.
#include "common/satzdatei.h"
#include "content/arbeitsordner.h"
#include "content/inhalte.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray lies(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QString kQuellen = QStringLiteral(VELMORA_CONTENT_DIR "/quellen");

// A small layout that exercises every rule of the mechanism.
Inhaltsart probeart()
{
    return {QStringLiteral("probe.dat"), 30, 2,
            {{QStringLiteral("frage"), 20}, {QStringLiteral("loesung"), 0}},
            [](const QStringList& f) {
                return f[1].contains(QLatin1Char('.')) ? QStringLiteral("Lösung mit Punkt statt Komma") : QString();
            }};
}

}

class TestInhalt : public QObject {
    Q_OBJECT
private slots:
    void eigeneDateienVollerGroesse_data();
    void eigeneDateienVollerGroesse();
    void leereSaetze();
    void aktualisierenBehaeltNutzerdaten();
    void inhaltGebaut();
    void inhaltFehler_data();
    void inhaltFehler();
};

void TestInhalt::eigeneDateienVollerGroesse_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("groesse");
    QTest::newRow("register") << "xbasan.dat" << 840;
    for (int k = 0; k <= 9; ++k)
        QTest::newRow(qPrintable(QStringLiteral("ergebnisse %1").arg(k))) << QStringLiteral("xbaserg%1.dat").arg(k) << 92400;
    QTest::newRow("highscores") << "xbashigh.dat" << 103950;
    QTest::newRow("plaene") << "xbasplan.dat" << 2050;
    for (const char* n : {"robbier.dat", "springer.dat", "schieber.dat", "rangier.dat"})
        QTest::newRow(n) << QString::fromLatin1(n) << 2040;
}

void TestInhalt::eigeneDateienVollerGroesse()
{
    QFETCH(QString, name);
    QFETCH(int, groesse);
    QTemporaryDir dir;
    baueArbeitsordner(dir.path(), kQuellen);
    QCOMPARE(lies(dir.filePath(name)).size(), groesse);
    QVERIFY(lies(dir.filePath(QStringLiteral("velmbagr.jpg"))).startsWith("\xFF\xD8\xFF"));
}

void TestInhalt::leereSaetze()
{
    QTemporaryDir dir;
    baueArbeitsordner(dir.path(), kQuellen);
    const QByteArray an = lies(dir.filePath(QStringLiteral("xbasan.dat")));
    QCOMPARE(an.mid(21 * 39, 6), QByteArray("\x05-----"));
    const QByteArray erg = lies(dir.filePath(QStringLiteral("xbaserg4.dat")));
    QCOMPARE(erg.mid(21 * 4399, 21), QByteArray("\x14") + QByteArray(20, ' '));
    const QByteArray plan = lies(dir.filePath(QStringLiteral("xbasplan.dat")));
    QCOMPARE(plan.mid(41 * 49, 21), QByteArray("\x14offen") + QByteArray(15, ' '));
    const QByteArray level = lies(dir.filePath(QStringLiteral("rangier.dat")));
    QCOMPARE(level.mid(51 * 39, 51), QByteArray("\x32") + QByteArray(50, '0'));
    const QByteArray high = lies(dir.filePath(QStringLiteral("xbashigh.dat")));
    QCOMPARE(high.mid(63 * 1649 + 21, 2), QByteArray("\x01" "0"));
}

void TestInhalt::aktualisierenBehaeltNutzerdaten()
{
    QTemporaryDir dir;
    baueArbeitsordner(dir.path(), kQuellen);
    const QString register_ = dir.filePath(QStringLiteral("xbasan.dat"));
    QByteArray eigenes = lies(register_);
    eigenes.replace(0, 6, QByteArray("\x03" "Eva--"));
    {
        QFile f(register_);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(eigenes);
    }
    QFile::remove(dir.filePath(QStringLiteral("velmbagr.jpg")));
    QFile::remove(dir.filePath(QStringLiteral("rangier.dat")));
    baueArbeitsordner(dir.path(), kQuellen);
    QCOMPARE(lies(register_), eigenes);                                        // kept
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("velmbagr.jpg"))));     // refreshed
    QCOMPARE(lies(dir.filePath(QStringLiteral("rangier.dat"))).size(), 2040);  // missing: made again
}

void TestInhalt::inhaltGebaut()
{
    const QString quelle = QStringLiteral("frage|loesung\n# a comment\nWie viel ist 3 + 4?|7\nHälfte von 15?|7,5\n");
    const QByteArray b = baueInhalt(probeart(), quelle, QStringLiteral("probe.txt"));
    QCOMPARE(b.size(), 2 * 31);
    QCOMPARE(b.left(22), QByteArray("\x15Wie viel ist 3 + 4? 7"));
    QCOMPARE(b.mid(31, 24), QByteArray("\x17H\xE4lfte von 15?      7,5"));
}

void TestInhalt::inhaltFehler_data()
{
    QTest::addColumn<QString>("quelle");
    QTest::addColumn<QString>("fehler");
    QTest::newRow("kopf") << "frage|antwort\na|1\nb|2\n" << "probe.txt:1: Kopfzeile muss \"frage|loesung\" lauten";
    QTest::newRow("felder") << "frage|loesung\na|1\nb\n" << "probe.txt:3: 1 Felder statt 2";
    QTest::newRow("zu lang") << "frage|loesung\naaaaaaaaaaaaaaaaaaaaa|1\nb|2\n" << "probe.txt:2: \"frage\" länger als 20 Zeichen";
    QTest::newRow("satz zu lang") << "frage|loesung\na|12345678901\nb|2\n" << "probe.txt:2: Satz länger als 30 Zeichen";
    QTest::newRow("zeichen") << "frage|loesung\na\u2192b|1\nb|2\n" << "probe.txt:2: Zeichen außerhalb von Windows-1252 in \"frage\"";
    QTest::newRow("regel") << "frage|loesung\na|1\nb|2.5\n" << "probe.txt:3: Lösung mit Punkt statt Komma";
    QTest::newRow("anzahl") << "frage|loesung\na|1\n" << "probe.txt:3: 1 Sätze statt 2";
    QTest::newRow("leere zeile") << "frage|loesung\na|1\n\nb|2\n" << "probe.txt:3: leere Zeile";
}

void TestInhalt::inhaltFehler()
{
    QFETCH(QString, quelle);
    QFETCH(QString, fehler);
    try {
        baueInhalt(probeart(), quelle, QStringLiteral("probe.txt"));
        QFAIL("kein Fehler");
    } catch (const Baufehler& e) {
        QCOMPARE(QString::fromUtf8(e.what()), fehler);
    }
}

QTEST_GUILESS_MAIN(TestInhalt)
#include "tst_inhalt.moc"
