// velmora-datadir FOLDER: writes a complete working folder for the program.
#include "content/arbeitsordner.h"
#include "content/inhalte.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "Aufruf: velmora-datadir ORDNER\n");
        return 2;
    }
    try {
        baueArbeitsordner(args[1], QStringLiteral(VELMORA_CONTENT_DIR "/quellen"));
    } catch (const Baufehler& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
