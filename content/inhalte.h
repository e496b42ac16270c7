#pragma once
// Content files: written from UTF-8 sources in content/quellen/ into the exact
// record layouts, validated on the way (file:line on every violation).
//
// A source holds one record per line. Its first line names the columns,
// separated by "|"; every further line holds the fields in that order. Lines
// starting with "#" are comments. A record is its fields, each padded with
// blanks to its column's width (the last column unpadded), in Windows-1252.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

struct Baufehler : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Spalte {
    QString name;
    int breite;  // characters; 0 for the last column: the rest, unpadded
};

struct Satzverstoss {
    int satz;      // record number, from 0
    QString text;  // what is wrong
};

struct Inhaltsart {
    QString datei;                // file name in the working folder
    int kapazitaet;               // characters per record
    int saetze;                   // exact number of records
    std::vector<Spalte> spalten;
    // A rule of this file for one record's fields: empty, or what is wrong.
    std::function<QString(const QStringList& felder)> regel;
    // A rule over all records together (each source line's fields, in file order),
    // checked once the count is right: nothing, or the offending record.
    std::function<std::optional<Satzverstoss>(const std::vector<QStringList>& saetze)> dateiregel = {};
    // The record's text from its fields, once the rule has passed; empty: the
    // fields padded to their columns.
    std::function<QString(const QStringList& felder)> satzbau = {};
    // Several records from one source line (saetze counts records); empty: one.
    std::function<QStringList(const QStringList& felder)> satzgruppe = {};
    // Source lines that make one record, joined (a board written row by row);
    // the lines of a record must be equally long.
    int zeilenJeSatz = 1;
};

// The content files of each exercise category (content/arten_*.cpp).
std::vector<Inhaltsart> artenZahlen();
std::vector<Inhaltsart> artenSprache();
std::vector<Inhaltsart> artenReaktion();
std::vector<Inhaltsart> artenGedaechtnis();
std::vector<Inhaltsart> artenLogik();

// Every content file of the program.
const std::vector<Inhaltsart>& inhaltsarten();

// The file's bytes from a source text; quelle names the source in errors.
QByteArray baueInhalt(const Inhaltsart& art, const QString& text, const QString& quelle);

// A file of the working folder and the bytes it is to hold.
struct Zieldatei {
    QString pfad;
    QByteArray daten;
};

// Every content file of ordner, built from quellordner; throws Baufehler on
// the first violation, before anything is written.
std::vector<Zieldatei> baueInhalte(const QString& ordner, const QString& quellordner);

// Brings the files to their bytes as one: it takes the lock of every file that
// differs first, so a file another program holds longer than the bound leaves
// every file as it was; a failure while writing gives the files their old bytes
// back. On an NFS or SMB share a file is written in place, also when its size
// changes. Throws Baufehler naming the file.
void erneuere(const std::vector<Zieldatei>& dateien);

// Writes a file of the working folder whole or not at all (the old bytes stay);
// throws Baufehler naming it.
void schreibeGanz(const QString& pfad, const QByteArray& daten);
