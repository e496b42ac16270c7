// VELMORA: brain-performance training. Starts in the working folder, where every
// data file lies, and shows the start screen until it is closed.
#include "app/programme.h"
#include "common/dateischreiben.h"
#include "common/satzdatei.h"
#include "common/zufall.h"
#include "platform/anwendung.h"
#include "shell/uform1.h"

#include <QStringList>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

void keineAnzeige(const QString& grund)
{
    std::fprintf(stderr, "%s: VELMORA braucht eine grafische Sitzung.\n", grund.toUtf8().constData());
    std::exit(1);
}

// While the application connects to the display, Qt's own messages wait here: a
// failed connection ends in Qt's fatal English text, which is replaced by ours.
QStringList g_startmeldungen;
QtMessageHandler g_vorher = nullptr;

void startmeldung(QtMsgType typ, const QMessageLogContext& kontext, const QString& text)
{
    if (typ == QtFatalMsg) {
        const QString anzeige = qEnvironmentVariable("DISPLAY");
        keineAnzeige(anzeige.isEmpty() ? QStringLiteral("Kein Bildschirm gefunden")
                                       : QStringLiteral("Der Bildschirm %1 ist nicht erreichbar").arg(anzeige));
    }
    Q_UNUSED(kontext);
    g_startmeldungen << text;
}

}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        keineAnzeige(QStringLiteral("Kein Bildschirm gefunden (DISPLAY ist nicht gesetzt)"));
    g_vorher = qInstallMessageHandler(startmeldung);
    Anwendung app(argc, argv);
    qInstallMessageHandler(g_vorher);
    for (const QString& text : g_startmeldungen)
        std::fprintf(stderr, "%s\n", text.toUtf8().constData());

    // A file-size limit makes a write fail (error 101, the file keeps its bytes)
    // instead of ending the program in the middle of it.
    std::signal(SIGXFSZ, SIG_IGN);
    satzdatei::raeumeAuf();
    // a draw made before any exercise seeds must not repeat from one start to the next
    zufall::randomize();
    programmeEintragen();
    TForm1 form1;
    form1.zeige();
    return app.exec();
}
