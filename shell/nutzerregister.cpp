#include "shell/nutzerregister.h"

#include "common/satzdatei.h"
#include "shell/uform1.h"

#include <QApplication>
#include <QWidget>

namespace nutzerregister {

QStringList lies() { return Satzdatei::liesTexte(kDatei, 21, kSlots); }

void schreibe(const QStringList& plaetze) { Satzdatei::schreibeTexte(kDatei, 21, plaetze); }

bool frei(const QString& slot) { return slot.startsWith(QStringLiteral("--")); }

int belegt(const QStringList& plaetze)
{
    int n = 0;
    for (const QString& s : plaetze)
        n += frei(s) ? 0 : 1;
    return n;
}

}

void hauptfenstertitelSetzen()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("Form1") || w->objectName() == QLatin1String("formm"))
            w->setWindowTitle(TForm1::fenstertitel());
}
