#include "shell/nutzerregister.h"

#include "common/satzdatei.h"
#include "shell/uform1.h"

#include <QApplication>
#include <QWidget>

namespace nutzerregister {

QStringList lies()
{
    Satzdatei d(kDatei, 21);
    QStringList plaetze;
    for (int k = 0; k < kSlots; ++k)
        plaetze << d.liesText();
    return plaetze;
}

void schreibe(const QStringList& plaetze)
{
    Satzdatei d(kDatei, 21);
    for (const QString& s : plaetze)
        d.schreibeText(s);
    d.schliesse();
}

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
