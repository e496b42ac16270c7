#include "shell/highscore.h"

#include "common/satzdatei.h"
#include "common/textformat.h"
#include "common/uhr.h"
#include "common/zustand.h"
#include "platform/anwendung.h"
#include "shell/ergebnisse.h"
#include "shell/uform4.h"

#include <cmath>

namespace highscore {

int block(int n) { return (n / 12 - 1) * 11 + n % 12 - 1; }

Platz ausSatz(const QByteArray& satz)
{
    return {kurztext::lies(satz.constData(), 20), kurztext::lies(satz.constData() + 21, 20),
            kurztext::lies(satz.constData() + 42, 20)};
}

QByteArray alsSatz(const Platz& p)
{
    return kurztext::satz(p.name, 20) + kurztext::satz(p.punkte, 20) + kurztext::satz(p.datum, 20);
}

}

void highein(int n, float s)
{
    using namespace highscore;
    const int b = block(n);
    Platz platz[kPlaetze];
    double wert[kPlaetze] = {};  // places that cannot be read count as empty

    QString datum = textformat::datum(uhr::heute());
    if (datum.size() > 8)
        datum = datum.left(6) + datum.mid(8, 2);

    // A file error is shown and the line still goes onto the sheet; the list is
    // written only when all fifteen places were read.
    try {
        Satzdatei datei(kDatei, kSatzgroesse);  // closed on every path when it goes out of scope
        datei.positioniere(b * kPlaetze);
        for (int k = 0; k < kPlaetze; ++k) {
            platz[k] = ausSatz(datei.lies());
            if (platz[k].punkte.trimmed().isEmpty())
                platz[k].punkte = QStringLiteral("0");
            wert[k] = ergebnis::punktwert(platz[k].punkte);
        }
        if (static_cast<double>(s) > wert[kPlaetze - 1]) {
            int p = 0;
            while (wert[p] >= static_cast<double>(s))
                ++p;
            for (int k = kPlaetze - 1; k > p; --k)
                platz[k] = platz[k - 1];
            platz[p] = {nutzername, textformat::punkteText(s), datum};
            datei.positioniere(b * kPlaetze);
            for (const Platz& pl : platz)
                datei.schreibe(alsSatz(pl));
        }
        datei.schliesse();
    } catch (const std::exception& fehler) {
        zeigeFehler(fehler);
    }

    const double top = wert[0];
    const double topGanz = std::trunc(top);
    // a best below 1 would divide by zero: the run counts as 100 %
    const double prozent = topGanz > 0 ? static_cast<double>(s) * 100.0 / topGanz : 100.0;
    textformat::einfuegen(ergebniszeile, textformat::punktFormat72(top), 49);
    textformat::einfuegen(ergebniszeile, textformat::festFormat(prozent, 3, 0), 59);
    while (ergebniszeile.endsWith(QLatin1Char(' ')))
        ergebniszeile.chop(1);
    ergebniszeile = QStringLiteral("  ") + ergebniszeile;
    TForm4::instanz().zeileHinzufuegen(ergebniszeile);
}
