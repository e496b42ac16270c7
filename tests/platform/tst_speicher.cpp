// Memory in a real X display: every registered window opened and closed once must
// give back the buffer the X connection keeps for it. The offscreen platform of
// the other tests never shows this, so this test starts an Xvfb of its own (and
// openbox, when it is installed, so that windows are framed and maximised as on a
// desktop). Without Xvfb it fails: scripts/test installs it.
#include "app/programme.h"
#include "bench/rundgang.h"
#include "platform/anwendung.h"
#include "shell/programmtabelle.h"
#include "shell/uform1.h"
#include "tests/support/testumgebung.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr long kZuwachsKb = 24 * 1024;

// A program run as a child that dies with this process.
pid_t starte(const QString& programm, const QStringList& argumente, int offenLassen = -1)
{
    const QByteArray pfad = programm.toLocal8Bit();
    std::vector<QByteArray> teile{pfad};
    for (const QString& a : argumente)
        teile.push_back(a.toLocal8Bit());
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    for (int fd = 3; fd < 256; ++fd)
        if (fd != offenLassen)
            close(fd);
    std::vector<char*> argv;
    for (QByteArray& t : teile)
        argv.push_back(t.data());
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
}

// An Xvfb at 1920 x 1080 on a free display, with openbox if there is one.
class Anzeige {
public:
    QString fehler;

    bool starte()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty()) {
            fehler = QStringLiteral("Xvfb not found (scripts/test installs the package xvfb)");
            return false;
        }
        int rohr[2];
        if (pipe(rohr) != 0)
            return false;
        m_xvfb = ::starte(xvfb,
                          {QStringLiteral("-displayfd"), QString::number(rohr[1]), QStringLiteral("-screen"),
                           QStringLiteral("0"), QStringLiteral("1920x1080x24"), QStringLiteral("-nolisten"),
                           QStringLiteral("tcp")},
                          rohr[1]);
        close(rohr[1]);
        const QByteArray nummer = liesZeile(rohr[0], 10000);
        close(rohr[0]);
        if (nummer.isEmpty()) {
            fehler = QStringLiteral("Xvfb did not start");
            return false;
        }
        qputenv("DISPLAY", ":" + nummer);
        qputenv("QT_QPA_PLATFORM", "xcb");
        const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
        if (openbox.isEmpty()) {
            std::fprintf(stderr, "openbox not found: windows stay unframed\n");
            return true;
        }
        const QString bereit = m_dir.filePath(QStringLiteral("bereit"));
        m_openbox = ::starte(openbox, {QStringLiteral("--startup"), QStringLiteral("touch ") + bereit});
        QElapsedTimer uhr;
        uhr.start();
        while (!QFile::exists(bereit) && uhr.elapsed() < 10000)
            usleep(20000);
        if (!QFile::exists(bereit)) {
            fehler = QStringLiteral("openbox did not start");
            return false;
        }
        return true;
    }

    ~Anzeige()
    {
        for (pid_t pid : {m_openbox, m_xvfb}) {
            if (pid > 0) {
                kill(pid, SIGTERM);
                waitpid(pid, nullptr, 0);
            }
        }
    }

private:
    static QByteArray liesZeile(int fd, int timeoutMs)
    {
        QByteArray zeile;
        pollfd p{fd, POLLIN, 0};
        char c;
        while (poll(&p, 1, timeoutMs) > 0 && read(fd, &c, 1) == 1 && c != '\n')
            zeile += c;
        return zeile.trimmed();
    }

    pid_t m_xvfb = -1;
    pid_t m_openbox = -1;
    QTemporaryDir m_dir;
};

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
    form1.setWindowState(Qt::WindowMaximized);
    form1.show();
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
    Anzeige anzeige;
    if (!anzeige.starte()) {
        std::fprintf(stderr, "FAIL: %s\n", qPrintable(anzeige.fehler));
        return 1;
    }
    Anwendung app(argc, argv);
    TestSpeicher test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_speicher.moc"
