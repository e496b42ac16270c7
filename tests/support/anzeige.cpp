#include "tests/support/anzeige.h"

#include "platform/anwendung.h"

#include <QElapsedTimer>
#include <QStandardPaths>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <cstring>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

// A program run as a child that dies with this process; its output is dropped.
pid_t starteKind(const QString& programm, const QStringList& argumente, int offenLassen = -1)
{
    std::vector<QByteArray> teile{programm.toLocal8Bit()};
    for (const QString& a : argumente)
        teile.push_back(a.toLocal8Bit());
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    for (int fd = 3; fd < 256; ++fd)
        if (fd != offenLassen)
            close(fd);
    const int leer = open("/dev/null", O_WRONLY);
    dup2(leer, 1);
    dup2(leer, 2);
    std::vector<char*> argv;
    for (QByteArray& t : teile)
        argv.push_back(t.data());
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
}

QByteArray liesZeile(int fd, int timeoutMs)
{
    QByteArray zeile;
    pollfd p{fd, POLLIN, 0};
    char c;
    while (poll(&p, 1, timeoutMs) > 0 && read(fd, &c, 1) == 1 && c != '\n')
        zeile += c;
    return zeile.trimmed();
}

}

xcb_atom_t xAtom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(r);
    return a;
}

QList<quint32> xWerte(xcb_connection_t* c, xcb_window_t fenster, const char* name)
{
    QList<quint32> liste;
    xcb_get_property_reply_t* r =
        xcb_get_property_reply(c, xcb_get_property(c, 0, fenster, xAtom(c, name), XCB_ATOM_ANY, 0, 64), nullptr);
    if (r && r->format == 32) {
        const auto* w = static_cast<const quint32*>(xcb_get_property_value(r));
        for (int i = 0; i < xcb_get_property_value_length(r) / 4; ++i)
            liste << w[i];
    }
    free(r);
    return liste;
}

Anzeige::Anzeige(QString fenstermanager, QString groesse)
    : m_fenstermanager(std::move(fenstermanager)), m_groesse(std::move(groesse))
{
}

bool Anzeige::starte()
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        fehler = QStringLiteral("Xvfb not found (scripts/test installs the package xvfb)");
        return false;
    }
    int rohr[2];
    if (pipe(rohr) != 0)
        return false;
    m_xvfb = starteKind(xvfb,
                        {QStringLiteral("-displayfd"), QString::number(rohr[1]), QStringLiteral("-screen"),
                         QStringLiteral("0"), m_groesse + QStringLiteral("x24"), QStringLiteral("-nolisten"),
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
    const QString wm = QStandardPaths::findExecutable(m_fenstermanager);
    if (wm.isEmpty()) {
        fehler = m_fenstermanager + QStringLiteral(" not found (scripts/test installs it)");
        return false;
    }
    QStringList argumente;
    if (m_fenstermanager == QLatin1String("metacity"))
        argumente << QStringLiteral("--no-composite");
    m_wm = starteKind(wm, argumente);
    if (!warteAufFenstermanager(15000)) {
        fehler = m_fenstermanager + QStringLiteral(" did not start");
        return false;
    }
    return true;
}

// Ready when it has announced itself on the root window and published the work area.
bool Anzeige::warteAufFenstermanager(int timeoutMs)
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return false;
    }
    const xcb_window_t wurzel = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    QElapsedTimer uhr;
    uhr.start();
    bool bereit = false;
    while (!bereit && uhr.elapsed() < timeoutMs) {
        bereit = !xWerte(c, wurzel, "_NET_SUPPORTING_WM_CHECK").isEmpty() && !xWerte(c, wurzel, "_NET_WORKAREA").isEmpty();
        if (!bereit)
            usleep(20000);
    }
    xcb_disconnect(c);
    // the panel of a desktop may still change the work area just after
    usleep(300000);
    return bereit;
}

Anzeige::~Anzeige()
{
    for (pid_t pid : {m_wm, m_xvfb}) {
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
    }
}

int laufeAufAnzeige(int argc, char** argv, const QString& groesse,
                    const std::function<int(const QString&, int, char**)>& lauf)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s openbox|icewm|metacity [test options]\n", argv[0]);
        return 2;
    }
    const QString fenstermanager = QString::fromLocal8Bit(argv[1]);
    Anzeige anzeige(fenstermanager, groesse);
    if (!anzeige.starte()) {
        std::fprintf(stderr, "FAIL: %s\n", qPrintable(anzeige.fehler));
        return 1;
    }
    // the window manager's name is no option of the test
    argv[1] = argv[0];
    int n = argc - 1;
    Anwendung app(n, argv + 1);
    return lauf(fenstermanager, n, argv + 1);
}
