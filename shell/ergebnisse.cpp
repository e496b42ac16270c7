#include "shell/ergebnisse.h"

#include "common/fehler.h"
#include "common/namen.h"
#include "common/satzdatei.h"
#include "common/textformat.h"
#include "common/uhr.h"
#include "common/zustand.h"

#include <cmath>

namespace ergebnis {

QString dateiname(int kategorie) { return QStringLiteral("xbaserg%1.dat").arg(kategorie); }

int satznummer(int item, int nutzer, int r) { return (item - 1) * 400 + (nutzer - 1) * 10 + r; }

QString punktetext(const QString& satz)
{
    QString t = satz.mid(10, 10);
    while (t.startsWith(QLatin1Char(' ')))
        t.remove(0, 1);
    return t.isEmpty() ? QStringLiteral("0") : t;
}

double punktwert(const QString& text)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char('.'), QLatin1Char(','));
    try {
        return textformat::strToFloat(t);
    } catch (const Konvertierungsfehler&) {
        return 0.0;
    }
}

QString neuerSatz(float punkte)
{
    return (textformat::datum(uhr::heute()) + QStringLiteral("   ") + textformat::punkteText(punkte)).left(20);
}

void trageEin(int u, int n, const QString& neu, QString& vorher)
{
    const int c = n / 12;
    const int i = n % 12;
    Satzdatei datei(dateiname(c - 1), kSatzgroesse);
    datei.positioniere(satznummer(i, u, 0));
    QString slot[10];
    for (QString& s : slot)
        s = datei.liesText();
    // the earlier results stay unknown (empty) unless all ten were read
    vorher = slot[9];
    datei.positioniere(satznummer(i, u, 0));
    for (int k = 1; k <= 9; ++k)
        datei.schreibeText(slot[k]);
    datei.schreibeText(neu);
    datei.schliesse();
}

void setzeZeile(int n, const QString& neuText, const QString& vorherText)
{
    const int c = n / 12;
    const int i = n % 12;
    ergebniszeile = QString(53, QLatin1Char(' '));
    QString name = kurznamen(c + 1, i - 1);
    while (name.startsWith(QLatin1Char(' ')))
        name.remove(0, 1);
    textformat::einfuegen(ergebniszeile, name, 1);

    const QString neu = punktetext(neuText);
    const QString vorher = punktetext(vorherText);
    textformat::einfuegen(ergebniszeile, textformat::punktFormat72(punktwert(neu)), 21);
    textformat::einfuegen(ergebniszeile, textformat::punktFormat72(punktwert(vorher)), 30);

    // The trend reads both with a point as the separator, so under the comma
    // only the whole parts compare.
    const double a = textformat::valPunkt(neu);
    const double b = textformat::valPunkt(vorher);
    QString tendenz = QStringLiteral("0");
    if (std::fabs(a - b) > 2.0)
        tendenz = a > b ? QStringLiteral("+") : QStringLiteral("-");
    textformat::einfuegen(ergebniszeile, tendenz, 42);
    ungedruckt = 1;
}

}
