#include "exercises/logic/levelsatz.h"

#include "common/fehler.h"
#include "common/satzdatei.h"
#include "common/zustand.h"
#include "platform/anwendung.h"

#include <QTimer>
#include <QWidget>

bool ladeLevel(QWidget* brett, const QString& datei, int satzgroesse, int zellen,
               const std::function<void(const QByteArray&)>& lade)
{
    try {
        Satzdatei d(datei, satzgroesse);
        if (levelnr > 0)
            d.positioniere(levelnr - 1);
        const QByteArray satz = d.lies();
        d.schliesse();
        lade(satz.mid(1, zellen));
        return true;
    } catch (const EAFehler& e) {
        zeigeFehler(e);
        // closing while the board is still being shown would leave its modal loop waiting
        QTimer::singleShot(0, brett, [brett] { brett->close(); });
        return false;
    }
}
