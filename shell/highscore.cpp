#include "shell/highscore.h"

#include "common/satzdatei.h"
#include "common/textformat.h"
#include "common/uhr.h"
#include "common/zustand.h"
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

namespace {

Liste liesAus(Satzdatei& datei, int b)
{
    datei.positioniere(b * kPlaetze);
    Liste liste;
    for (Platz& p : liste) {
        p = ausSatz(datei.lies());
        if (p.punkte.trimmed().isEmpty())
            p.punkte = QStringLiteral("0");
    }
    return liste;
}

}

Liste liesBlock(int b)
{
    Satzdatei datei(kDatei, kSatzgroesse);
    return liesAus(datei, b);
}

void aendereBlock(int b, const std::function<bool(Liste&)>& aendern)
{
    // a save: held too long, the list says that nothing was saved
    const Dateigruppe schritt({kDatei});
    Satzdatei datei(kDatei, kSatzgroesse);
    Liste liste = liesAus(datei, b);
    if (!aendern(liste))
        return;
    datei.positioniere(b * kPlaetze);
    for (const Platz& p : liste)
        datei.schreibe(alsSatz(p));
    datei.schliesse();
}

void trageEin(int n, float s, const QString& name, double& bester)
{
    QString datum = textformat::datum(uhr::heute());
    if (datum.size() > 8)
        datum = datum.left(6) + datum.mid(8, 2);
    // the list is written only when all fifteen places were read
    aendereBlock(block(n), [&](Liste& platz) {
        double wert[kPlaetze];
        for (int k = 0; k < kPlaetze; ++k)
            wert[k] = ergebnis::punktwert(platz[k].punkte);
        bester = wert[0];
        if (static_cast<double>(s) <= wert[kPlaetze - 1])
            return false;
        int p = 0;
        while (wert[p] >= static_cast<double>(s))
            ++p;
        for (int k = kPlaetze - 1; k > p; --k)
            platz[k] = platz[k - 1];
        platz[p] = {name, textformat::punkteText(s), datum};
        return true;
    });
}

void schliesseZeileAb(double top, float s)
{
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

}
