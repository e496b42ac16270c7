// velmora-datadir FOLDER: writes a complete working folder for the program.
#include "content/arbeitsordner.h"
#include "content/inhalte.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace {

// The sources of the content files: those of the checkout for the program in
// its build folder, otherwise those installed beside it (bin/../share/velmora),
// so that an installed copy never reads the checkout and a moved prefix works.
QString quellordner()
{
    const QString hier = QFileInfo(QCoreApplication::applicationDirPath()).canonicalFilePath();
    if (hier == QFileInfo(QStringLiteral(VELMORA_BAUORDNER)).canonicalFilePath())
        return QStringLiteral(VELMORA_CONTENT_DIR "/quellen");
    return QDir::cleanPath(hier + QStringLiteral("/" VELMORA_DATENWEG "/quellen"));
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "Aufruf: velmora-datadir ORDNER\n");
        return 2;
    }
    try {
        baueArbeitsordner(args[1], quellordner());
    } catch (const Baufehler& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
