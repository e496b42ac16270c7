#pragma once
// Record files: headerless sequences of fixed-size records made of short-string
// records (a length byte and a fixed number of Windows-1252 characters).
//
// A file is opened (it must exist), positioned, read or written record by record
// and closed, all within one handler. Writes change the copy in memory; closing
// writes the whole file to a temporary file beside it and renames that over the
// original, so a crash or a full disk never leaves a half-written file. The file
// never grows or shrinks: reading or writing past its end is error 100.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kurztext {
// The text of the short string at p (length byte, then kapazitaet characters);
// a length byte above the capacity is clamped to it.
QString lies(const char* p, int kapazitaet);
// Stores text at p, cut to the capacity; the unused characters become zero bytes.
void schreibe(char* p, int kapazitaet, const QString& text);
// A whole record of one short string.
QByteArray satz(const QString& text, int kapazitaet);
}

class Satzdatei {
public:
    // Opens an existing file in the working folder; throws EAFehler 2 if it is missing.
    Satzdatei(const QString& name, int satzgroesse);
    // Records written before a failure stay written: pending writes are saved here too.
    ~Satzdatei();
    Satzdatei(const Satzdatei&) = delete;
    Satzdatei& operator=(const Satzdatei&) = delete;

    int satzzahl() const;
    int satzgroesse() const { return m_groesse; }
    void positioniere(int satz);
    int position() const { return m_pos; }

    // The record at the position; the position moves on by one.
    QByteArray lies();
    void schreibe(const QByteArray& satz);
    // Records of a single short string of capacity satzgroesse - 1.
    QString liesText();
    void schreibeText(const QString& text);

    // Saves pending writes; throws EAFehler (5 access refused, 101 disk full).
    void schliesse();

    // The first anzahl records of a file of single short strings, and writing
    // such records back from record 0.
    static QStringList liesTexte(const QString& name, int satzgroesse, int anzahl);
    static void schreibeTexte(const QString& name, int satzgroesse, const QStringList& texte);

private:
    void speichere();

    QString m_name;
    int m_groesse;
    int m_pos = 0;
    QByteArray m_daten;
    bool m_offen = true;
    bool m_geaendert = false;
    bool m_schreibbar = false;
};
