#include "shell/nutzerregister.h"

#include "common/satzdatei.h"
#include "common/textformat.h"
#include "common/zustand.h"
#include "platform/dialoge.h"
#include "shell/uform1.h"

#include <QApplication>
#include <algorithm>
#include <QWidget>

namespace nutzerregister {

QStringList lies() { return Satzdatei::liesTexte(kDatei, 21, kSlots); }

void schreibe(const QStringList& plaetze) { Satzdatei::schreibeTexte(kDatei, 21, plaetze); }

bool frei(const QString& slot) { return slot.startsWith(QStringLiteral("--")); }

Eintrag trageEin(const QString& name)
{
    // a save: held too long, the register says that nothing was saved
    Dateigruppe gruppe({kDatei});
    Satzdatei& datei = gruppe.oeffne(kDatei, 21);
    QStringList plaetze;
    for (int i = 0; i < kSlots; ++i)
        plaetze << datei.liesText();
    Eintrag e;
    for (const QString& s : plaetze)
        e.doppelt += textformat::grossAZ(s) == textformat::grossAZ(name) ? 1 : 0;
    if (e.doppelt > 0)
        return e;
    const auto f = std::find_if(plaetze.cbegin(), plaetze.cend(), frei);
    if (f == plaetze.cend())
        return e;
    e.slot = int(f - plaetze.cbegin()) + 1;
    datei.positioniere(e.slot - 1);
    datei.schreibeText(name.left(kNamenKapazitaet));
    gruppe.schreibe();
    return e;
}

bool haelt(int slot, const QString& name)
{
    if (slot < 1 || slot > kSlots || name.isEmpty() || frei(name))
        return false;
    Satzdatei datei(kDatei, 21);
    datei.positioniere(slot - 1);
    return datei.liesText() == name;
}

namespace {
QString nichtMehrDa(const QString& name) { return QStringLiteral("Der Nutzer %1 ist nicht mehr eingetragen.").arg(name); }
}

QString nichtMehrEingetragen(const QString& name)
{
    return nichtMehrDa(name) + QStringLiteral(" Das Ergebnis wurde nicht gespeichert.");
}

bool aktuellerNochDa()
{
    if (haelt(nutzer, nutzername))
        return true;
    dialog::zeige(nichtMehrDa(nutzername));
    return false;
}

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
