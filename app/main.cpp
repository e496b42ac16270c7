// VELMORA: brain-performance training. Starts in the working folder, where every
// data file lies, and shows the start screen until it is closed.
#include "app/programme.h"
#include "common/satzdatei.h"
#include "platform/anwendung.h"
#include "platform/taskleiste.h"
#include "shell/uform1.h"

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    satzdatei::raeumeAuf();
    programmeEintragen();
    TForm1 form1;
    form1.setWindowState(taskleiste::versteckt() ? Qt::WindowFullScreen : Qt::WindowMaximized);
    form1.show();
    return app.exec();
}
