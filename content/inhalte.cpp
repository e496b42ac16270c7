#include "content/inhalte.h"

#include "common/cp1252.h"
#include "common/dateischreiben.h"
#include "common/dateisperre.h"
#include "common/fehler.h"
#include "common/satzdatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <map>
#include <memory>

#include <unistd.h>

const std::vector<Inhaltsart>& inhaltsarten()
{
    static const std::vector<Inhaltsart> arten = [] {
        std::vector<Inhaltsart> alle;
        for (auto&& teil : {artenZahlen(), artenSprache(), artenReaktion(), artenGedaechtnis(), artenLogik()})
            alle.insert(alle.end(), teil.begin(), teil.end());
        return alle;
    }();
    return arten;
}

namespace {

[[noreturn]] void fehler(const QString& quelle, int zeile, const QString& text)
{
    throw Baufehler(QStringLiteral("%1:%2: %3").arg(quelle).arg(zeile).arg(text).toStdString());
}

bool darstellbar(const QString& s) { return cp1252::dekodiere(cp1252::kodiere(s)) == s; }

}

QByteArray baueInhalt(const Inhaltsart& art, const QString& text, const QString& quelle)
{
    const QStringList zeilen = text.split(QLatin1Char('\n'));
    QStringList namen;
    for (const Spalte& s : art.spalten)
        namen << s.name;

    QByteArray daten;
    std::vector<QStringList> saetze;
    std::vector<int> satzzeilen;  // the source line of each line's records
    int anzahl = 0;                // records written
    bool kopf = false;
    for (int z = 0; z < zeilen.size(); ++z) {
        QString zeile = zeilen[z];
        if (zeile.endsWith(QLatin1Char('\r')))
            zeile.chop(1);
        const int nr = z + 1;
        if (zeile.startsWith(QLatin1Char('#')) || (zeile.isEmpty() && z == zeilen.size() - 1))
            continue;
        if (!kopf) {
            if (zeile.split(QLatin1Char('|')) != namen)
                fehler(quelle, nr, QStringLiteral("Kopfzeile muss \"%1\" lauten").arg(namen.join(QLatin1Char('|'))));
            kopf = true;
            continue;
        }
        if (zeile.isEmpty())
            fehler(quelle, nr, QStringLiteral("leere Zeile"));
        // a record over several lines: the following ones are joined to its first
        for (int n = 1; n < art.zeilenJeSatz; ++n) {
            while (z + 1 < zeilen.size() && zeilen[z + 1].startsWith(QLatin1Char('#')))
                ++z;
            QString folge = z + 1 < zeilen.size() ? zeilen[++z] : QString();
            if (folge.endsWith(QLatin1Char('\r')))
                folge.chop(1);
            if (folge.size() != zeile.size() / n)
                fehler(quelle, z + 1, QStringLiteral("Zeile mit %1 Zeichen statt %2").arg(folge.size()).arg(zeile.size() / n));
            zeile += folge;
        }
        const QStringList felder = zeile.split(QLatin1Char('|'));
        if (felder.size() != namen.size())
            fehler(quelle, nr, QStringLiteral("%1 Felder statt %2").arg(felder.size()).arg(namen.size()));
        QString satz;
        for (int i = 0; i < felder.size(); ++i) {
            const Spalte& s = art.spalten[i];
            if (!darstellbar(felder[i]))
                fehler(quelle, nr, QStringLiteral("Zeichen außerhalb von Windows-1252 in \"%1\"").arg(s.name));
            if (s.breite > 0 && felder[i].size() > s.breite)
                fehler(quelle, nr, QStringLiteral("\"%1\" länger als %2 Zeichen").arg(s.name).arg(s.breite));
            satz += s.breite > 0 ? felder[i].leftJustified(s.breite) : felder[i];
        }
        if (art.regel) {
            const QString verstoss = art.regel(felder);
            if (!verstoss.isEmpty())
                fehler(quelle, nr, verstoss);
        }
        if (art.satzbau)
            satz = art.satzbau(felder);
        for (const QString& s : art.satzgruppe ? art.satzgruppe(felder) : QStringList{satz}) {
            if (s.size() > art.kapazitaet)
                fehler(quelle, nr, QStringLiteral("Satz länger als %1 Zeichen").arg(art.kapazitaet));
            daten += kurztext::satz(s, art.kapazitaet);
            ++anzahl;
        }
        saetze.push_back(felder);
        satzzeilen.push_back(nr);
    }
    if (!kopf)
        fehler(quelle, 1, QStringLiteral("Kopfzeile fehlt"));
    if (anzahl != art.saetze)
        fehler(quelle, zeilen.size(), QStringLiteral("%1 Sätze statt %2").arg(anzahl).arg(art.saetze));
    if (art.dateiregel) {
        if (const auto verstoss = art.dateiregel(saetze))
            fehler(quelle, satzzeilen.at(verstoss->satz), verstoss->text);
    }
    return daten;
}

std::vector<Zieldatei> baueInhalte(const QString& ordner, const QString& quellordner)
{
    std::vector<Zieldatei> dateien;
    for (const Inhaltsart& art : inhaltsarten()) {
        const QString quelle = QDir(quellordner).filePath(QFileInfo(art.datei).completeBaseName() + QStringLiteral(".txt"));
        QFile f(quelle);
        if (!f.open(QIODevice::ReadOnly))
            throw Baufehler(QStringLiteral("%1:0: Quelle fehlt").arg(quelle).toStdString());
        dateien.push_back({QDir(ordner).filePath(art.datei), baueInhalt(art, QString::fromUtf8(f.readAll()), quelle)});
    }
    return dateien;
}

namespace {

[[noreturn]] void nichtGeschrieben(const QString& pfad, const EAFehler& e)
{
    throw Baufehler(QStringLiteral("%1: kann nicht geschrieben werden (%2)").arg(pfad, e.text()).toStdString());
}

// An unchanged file is left alone: in a shared folder it may belong to another
// account and be read-only for this one. A file another program holds on an
// SMB share cannot be read here and counts as changed; it is compared again
// under its lock.
bool haeltSchon(const QString& pfad, const QByteArray& daten)
{
    QFile f(pfad);
    return f.size() == daten.size() && f.open(QIODevice::ReadOnly) && f.readAll() == daten;
}

// One file to bring to its bytes, under its lock (none for a new file).
struct Erneuerung {
    const Zieldatei* datei;
    QByteArray ziel;  // the path the file is written to
    std::shared_ptr<Dateisperre> sperre;
    QByteArray alt;  // null until read under the lock
};

}

void erneuere(const std::vector<Zieldatei>& dateien)
{
    // by the path the lock is taken on: in that order, as every group of files is locked
    std::map<QByteArray, const Zieldatei*> geaendert;
    for (const Zieldatei& d : dateien)
        if (!haeltSchon(d.pfad, d.daten))
            geaendert[satzdatei::ziel(d.pfad)] = &d;
    std::vector<Erneuerung> schritte;
    for (const auto& [ziel, d] : geaendert) {
        std::shared_ptr<Dateisperre> sperre;
        try {
            if (QFileInfo::exists(QFile::decodeName(ziel)))
                sperre = Dateisperre::nimm(ziel, QFileInfo(d->pfad).fileName(), Dateisperre::Zweck::Speichern);
        } catch (const EAFehler& e) {
            nichtGeschrieben(d->pfad, e);
        }
        schritte.push_back({d, ziel, std::move(sperre), {}});
    }
    size_t i = 0;
    try {
        for (; i < schritte.size(); ++i) {
            Erneuerung& s = schritte[i];
            if (s.sperre)
                satzdatei::ersetzeGanz(*s.sperre, s.datei->daten, s.alt);
            else
                satzdatei::schreibeDatei(s.datei->pfad, s.datei->daten);
        }
    } catch (const EAFehler& e) {
        // the files written so far, and the one that failed, get their old
        // bytes back; a file this refresh made is removed (a new file that
        // fails is never made)
        for (size_t j = 0; j <= i; ++j) {
            if (!schritte[j].sperre) {
                if (j < i)
                    ::unlink(schritte[j].ziel.constData());
                continue;
            }
            if (schritte[j].alt.isNull())
                continue;
            try {
                QByteArray neu;
                satzdatei::ersetzeGanz(*schritte[j].sperre, schritte[j].alt, neu);
            } catch (const EAFehler&) {
                // nothing more can be done; that file holds its new bytes
            }
        }
        nichtGeschrieben(schritte[i].datei->pfad, e);
    }
}

void schreibeGanz(const QString& pfad, const QByteArray& daten)
{
    if (haeltSchon(pfad, daten))
        return;
    try {
        satzdatei::schreibeDatei(pfad, daten);
    } catch (const EAFehler& e) {
        nichtGeschrieben(pfad, e);
    }
}
