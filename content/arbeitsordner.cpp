#include "content/arbeitsordner.h"

#include "common/satzdatei.h"
#include "content/inhalte.h"

#include <QDir>
#include <QFileInfo>

namespace {

QByteArray saetze(const QString& text, int kapazitaet, int anzahl)
{
    return kurztext::satz(text, kapazitaet).repeated(anzahl);
}

// A user's file of the wrong size is damaged: the program would stop on it with
// a read error or read records that are not there. It is left alone for the
// user to restore or remove.
void pruefeGroesse(const QString& pfad, qint64 soll)
{
    const QFileInfo info(pfad);
    if (info.exists() && (!info.isFile() || info.size() != soll))
        throw Baufehler(QStringLiteral("%1 ist beschädigt (%2 statt %3 Bytes). Die Datei bleibt unverändert; "
                                       "stellen Sie sie aus einer Sicherung wieder her oder löschen Sie sie, "
                                       "dann wird sie leer neu angelegt.")
                            .arg(pfad)
                            .arg(info.isFile() ? info.size() : 0)
                            .arg(soll)
                            .toStdString());
}

}

std::vector<EigeneDatei> eigeneDateien()
{
    std::vector<EigeneDatei> d;
    d.push_back({QStringLiteral("xbasan.dat"), saetze(QStringLiteral("-----"), 20, 40)});
    for (int k = 0; k <= 9; ++k)
        d.push_back({QStringLiteral("xbaserg%1.dat").arg(k), saetze(QString(20, QLatin1Char(' ')), 20, 4400)});
    const QByteArray leererPlatz = kurztext::satz(QStringLiteral("offen"), 20) + kurztext::satz(QStringLiteral("0"), 20)
                                   + kurztext::satz(QString(), 20);
    d.push_back({QStringLiteral("xbashigh.dat"), leererPlatz.repeated(1650)});
    d.push_back({QStringLiteral("xbasplan.dat"), saetze(QStringLiteral("offen") + QString(15, QLatin1Char(' ')), 40, 50)});
    for (const char* name : {"robbier.dat", "springer.dat", "schieber.dat", "rangier.dat"})
        d.push_back({QString::fromLatin1(name), saetze(QString(50, QLatin1Char('0')), 50, 40)});
    return d;
}

void baueArbeitsordner(const QString& ordner, const QString& quellordner)
{
    if (!QDir().mkpath(ordner))
        throw Baufehler(QStringLiteral("%1: Ordner kann nicht angelegt werden").arg(ordner).toStdString());
    const QDir dir(ordner);
    const std::vector<EigeneDatei> eigene = eigeneDateien();
    for (const EigeneDatei& d : eigene)
        pruefeGroesse(dir.filePath(d.name), d.inhalt.size());
    // all content built before anything is written: a fault in a source changes nothing
    std::vector<Zieldatei> erneuert = baueInhalte(ordner, quellordner);
    erneuert.push_back({dir.filePath(QStringLiteral("velmbagr.jpg")), hintergrundbild()});
    for (const EigeneDatei& d : eigene) {
        const QString pfad = dir.filePath(d.name);
        if (!QFileInfo::exists(pfad))
            schreibeGanz(pfad, d.inhalt);
    }
    erneuere(erneuert);
}
