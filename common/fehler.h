#pragma once
// Errors that reach the user as a German message box. The handler at the event
// dispatch shows what() (UTF-8) and abandons the handler that threw.
#include <QString>
#include <stdexcept>

class VelmoraFehler : public std::runtime_error {
public:
    explicit VelmoraFehler(const QString& text);
    QString text() const { return QString::fromUtf8(what()); }
};

// Input/output error of a record file, with the run-time library's codes:
// 2 missing file, 3 bad name, 4 too many open files, 5 access refused,
// 100 read past the end, 101 disk full, 223 file too large; any other code
// "E/A-Fehler %d".
class EAFehler : public VelmoraFehler {
public:
    explicit EAFehler(int code);
    int code() const { return m_code; }
    static QString textFuer(int code);
    // The error of a failed system call, by the one table of the program:
    // ENOENT 2; ENAMETOOLONG, ENOTDIR 3; EMFILE, ENFILE 4; EACCES, EPERM,
    // EROFS, EISDIR 5; ENOSPC, EDQUOT, EFBIG 101. Any other errno keeps its
    // number, as code and in the text "E/A-Fehler %d".
    static EAFehler ausErrno(int err);
    // 33: another program holds the file locked longer than a save takes,
    // for a save (nothing was saved) or for a read (nothing is claimed about saving).
    static EAFehler gesperrt(const QString& datei);
    static EAFehler gesperrtBeimLesen(const QString& datei);
    // A share whose server gives no locks (err, its own number as the code).
    static EAFehler ohneSperren(const QString& datei, int err, bool speichern);
    // 5: a save into a file this account may only read.
    static EAFehler nurLesbar(const QString& datei);
    // The reason alone, without what the text says of saving, for a message
    // that tells for itself what was saved and what not.
    QString grund() const { return m_grund; }

private:
    EAFehler(int code, const QString& grund, const QString& folge = {});
    int m_code;
    QString m_grund;
};

// A text that is no number.
class Konvertierungsfehler : public VelmoraFehler {
public:
    using VelmoraFehler::VelmoraFehler;
    static Konvertierungsfehler integer(const QString& s);
    static Konvertierungsfehler gleitkomma(const QString& s);
};
