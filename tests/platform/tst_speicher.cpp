// Memory in a real X display: every registered window opened and closed once must
// give back the buffer the X connection keeps for it. The offscreen platform of
// the other tests never shows this, so this test starts an Xvfb of its own with
// openbox, so that windows are framed and maximised as on a desktop. Without them
// it fails: scripts/test installs both.
#include "app/programme.h"
#include "bench/rundgang.h"
#include "platform/anwendung.h"
#include "shell/programmtabelle.h"
#include "shell/uform1.h"
#include "tests/support/anzeige.h"
#include "tests/support/testumgebung.h"

#include <QTest>

#include <cstdio>

namespace {
constexpr long kZuwachsKb = 24 * 1024;
}

class TestSpeicher : public QObject {
    Q_OBJECT
private slots:
    void jedesFensterGibtSeinenPufferZurueck();
};

void TestSpeicher::jedesFensterGibtSeinenPufferZurueck()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    Arbeitsordner ordner;
    programmeEintragen();
    // what the tour must at least show: each program's window, and before an
    // exercise its rules window
    int mindestens = 0;
    for (int n = 1; n <= 131; ++n)
        if (Programmtabelle::global().hat(n))
            mindestens += n >= 13 ? 2 : 1;
    QVERIFY(mindestens > 40);

    TForm1 form1;
    form1.zeige();
    QVERIFY(warteAufMalen(&form1));
    const Speicher vorher = speicher();
    const Rundgang r = macheRundgang();
    QCoreApplication::processEvents();
    const Speicher nachher = speicher();
    qInfo("%d windows; resident %ld kB at the start screen, %ld kB after the tour, peak %ld kB", r.gemalt,
          vorher.aktuell, nachher.aktuell, nachher.spitze);

    QVERIFY2(r.ungemalt.isEmpty(), qPrintable(QStringLiteral("not painted: ") + r.ungemalt.join(QLatin1Char(' '))));
    QVERIFY2(r.haengend.isEmpty(), qPrintable(QStringLiteral("did not return: ") + r.haengend.join(QLatin1Char(' '))));
    QVERIFY2(r.gemalt >= mindestens, qPrintable(QStringLiteral("%1 windows painted").arg(r.gemalt)));
    QVERIFY2(nachher.aktuell - vorher.aktuell <= kZuwachsKb,
             qPrintable(QStringLiteral("resident memory grew by %1 kB").arg(nachher.aktuell - vorher.aktuell)));
}

int main(int argc, char** argv)
{
    Anzeige anzeige(QStringLiteral("openbox"), QStringLiteral("1920x1080"));
    if (!anzeige.starte()) {
        std::fprintf(stderr, "FAIL: %s\n", qPrintable(anzeige.fehler));
        return 1;
    }
    Anwendung app(argc, argv);
    TestSpeicher test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_speicher.moc"
