#include "tests/support/konten.h"

#include "common/satzdatei.h"
#include "platform/dialoge.h"

#include <QFile>
#include <QTest>

#include <csignal>
#include <ctime>
#include <grp.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Kind {
    pid_t pid = -1;
    int bericht = -1;  // read end of the pipe its report comes through
};

// Writes the report into fd and ends the child: no destructor of the parent's
// objects runs here, and nothing unwinds into the test runner.
[[noreturn]] void endeMit(int fd, const QStringList& bericht)
{
    const QByteArray b = bericht.join(QLatin1Char('\n')).toUtf8();
    for (qsizetype fertig = 0; fertig < b.size();) {
        const ssize_t n = ::write(fd, b.constData() + fertig, size_t(b.size() - fertig));
        if (n <= 0)
            break;
        fertig += n;
    }
    ::_exit(0);
}

// Forks a child that waits for a byte on start (if >= 0), switches to k and runs aktion.
Kind starte(const Konto& k, const std::function<QStringList()>& aktion, int start)
{
    int rohr[2];
    if (::pipe(rohr) != 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(rohr[0]);
        char c;
        const bool wechseln = k.uid != ::geteuid();
        if (start >= 0 && ::read(start, &c, 1) != 1)
            endeMit(rohr[1], {QStringLiteral("! kein Start")});
        if (wechseln
            && (::setgroups(k.gruppen.size(), k.gruppen.data()) != 0 || ::setresgid(k.gid, k.gid, k.gid) != 0
                || ::setresuid(k.uid, k.uid, k.uid) != 0))
            endeMit(rohr[1], {QStringLiteral("! Kontowechsel gescheitert")});
        // a message box the action does not expect would wait for ever: it
        // fails the child's report at once
        dialog::Skript wache;
        wache.beimZeigen = [&](const QString& text) { endeMit(rohr[1], {QStringLiteral("! Meldung: ") + text}); };
        try {
            endeMit(rohr[1], aktion());
        } catch (const std::exception& e) {
            endeMit(rohr[1], {QStringLiteral("! ") + QString::fromUtf8(e.what())});
        } catch (...) {
            endeMit(rohr[1], {QStringLiteral("! unbekannte Ausnahme")});
        }
    }
    ::close(rohr[1]);
    return {pid, rohr[0]};
}

// The child's report once it has ended; it is killed when it takes longer than bis.
QString ernte(const Kind& kind, time_t bis)
{
    if (kind.pid < 0) {
        if (kind.bericht >= 0)
            ::close(kind.bericht);
        return QStringLiteral("! fork");
    }
    QByteArray b;
    pollfd warten{kind.bericht, POLLIN, 0};
    char puffer[4096];
    for (;;) {
        const int rest = int(qMax<time_t>(bis - std::time(nullptr), 0));
        if (::poll(&warten, 1, rest * 1000) != 1) {
            ::kill(kind.pid, SIGKILL);
            b = "! Zeitüberschreitung";
            break;
        }
        const ssize_t n = ::read(kind.bericht, puffer, sizeof puffer);
        if (n <= 0)
            break;
        b.append(puffer, n);
    }
    ::close(kind.bericht);
    int status = 0;
    ::waitpid(kind.pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("! Kind beendet mit Status %1").arg(status);
    return QString::fromUtf8(b);
}

}

void setze(const QString& pfad, uid_t uid, gid_t gid, mode_t modus)
{
    const QByteArray p = QFile::encodeName(pfad);
    QVERIFY2(::lchown(p.constData(), uid, gid) == 0 && ::chmod(p.constData(), modus) == 0, p.constData());
}

Konto diesesKonto() { return {::geteuid(), ::getegid(), {::getegid()}}; }

QString alsKonto(const Konto& k, const std::function<QStringList()>& aktion, int sekunden)
{
    return ernte(starte(k, aktion, -1), std::time(nullptr) + sekunden);
}

QStringList zugleich(const Konto& k, const std::function<QStringList(int)>& aktion, int sekunden)
{
    int start[2];
    if (::pipe(start) != 0)
        return {QStringLiteral("! pipe")};
    const Kind a = starte(k, [&] { return aktion(0); }, start[0]);
    const Kind b = starte(k, [&] { return aktion(1); }, start[0]);
    ::close(start[0]);
    (void)!::write(start[1], "ab", 2);
    ::close(start[1]);
    const time_t bis = std::time(nullptr) + sekunden;
    return {ernte(a, bis), ernte(b, bis)};
}

Sperrhalter::Sperrhalter(const QString& datei)
{
    int rohr[2];
    if (::pipe(rohr) != 0)
        return;
    const pid_t pid = ::fork();
    if (pid == 0) {
        // whatever happens here, the child ends here
        try {
            ::close(rohr[0]);
            Satzdatei d(datei, 21);
            (void)!::write(rohr[1], "k", 1);
            for (;;)
                ::pause();
        } catch (...) {
        }
        ::_exit(1);
    }
    ::close(rohr[1]);
    // the child holds the lock once it has said so (or is gone)
    char c = 0;
    const bool bereit = pid > 0 && ::read(rohr[0], &c, 1) == 1;
    ::close(rohr[0]);
    if (pid > 0)
        m_pid = pid;
    if (!bereit)
        gibFrei();
}

void Sperrhalter::gibFrei()
{
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGKILL);
    ::waitpid(m_pid, nullptr, 0);
    m_pid = 0;
}
