#include "exercises/logic/logiktexte.h"

namespace {

constexpr int kFeld = 20;  // options, words and hint are cut to this

QString ohneEndblanks(QString s)
{
    while (s.endsWith(QLatin1Char(' ')))
        s.chop(1);
    return s;
}

// The number a stored digit or two-character answer stands for; a blank before
// a single digit counts as nothing, anything else that is no number as 0.
int zahl(const QString& text) { return text.trimmed().toInt(); }

// The comma-separated fields of a record, each cut to the field width.
QStringList felder(const QString& satz, int anzahl)
{
    QStringList teile = satz.split(QLatin1Char(','));
    QStringList f;
    for (int i = 0; i < anzahl; ++i)
        f << teile.value(i).left(kFeld);
    return f;
}

}

QString logiktext::optionszeilen(const QStringList& optionen)
{
    QStringList zeilen;
    for (int k = 0; k < optionen.size(); ++k)
        zeilen << QStringLiteral("%1)  %2").arg(k + 1).arg(optionen[k]);
    return zeilen.join(QLatin1Char('\n'));
}

QString logiktext::wochentagName(int tag)
{
    static const QStringList namen{QStringLiteral("Montag"),     QStringLiteral("Dienstag"),
                                   QStringLiteral("Mittwoch"),   QStringLiteral("Donnerstag"),
                                   QStringLiteral("Freitag"),    QStringLiteral("Samstag"),
                                   QStringLiteral("Sonntag")};
    return namen.value(tag - 1);
}

logiktext::Aufgabe logiktext::reihe(const QString& satz)
{
    Aufgabe a;
    a.anzeige = ohneEndblanks(satz.left(satz.size() - 2));
    a.loesung = zahl(satz.right(2));
    a.loesungText = QString::number(a.loesung);
    return a;
}

logiktext::Aufgabe logiktext::aZuB(const QString& text, const QString& optionen)
{
    Aufgabe a;
    a.frage = ohneEndblanks(text);
    a.anzeige = optionszeilen(felder(optionen, 5));
    a.loesung = zahl(optionen.right(1));
    a.loesungText = QString::number(a.loesung);
    return a;
}

logiktext::Aufgabe logiktext::wasPasst(const QString& satz)
{
    Aufgabe a;
    const QStringList f = felder(satz, 6);
    a.anzeige = optionszeilen(f.mid(0, 5));
    a.hinweis = f[5];
    a.loesung = zahl(satz.right(1));
    a.loesungText = QString::number(a.loesung);
    return a;
}

logiktext::Aufgabe logiktext::sprachlogik(const QString& satz)
{
    Aufgabe a;
    a.frage = ohneEndblanks(satz.left(100));
    const QString optionen = ohneEndblanks(satz.mid(100, 30));
    a.loesung = zahl(optionen.right(1));
    a.anzeige = ohneEndblanks(optionen.left(optionen.size() - 1));
    return a;
}

logiktext::Aufgabe logiktext::wochentag(const QString& satz)
{
    Aufgabe a;
    const QString text = ohneEndblanks(satz);
    a.anzeige = text.left(text.size() - 2);
    a.loesung = zahl(text.right(1));
    a.loesungText = wochentagName(a.loesung);
    return a;
}
