#include "common/fehler.h"

#include <cerrno>

VelmoraFehler::VelmoraFehler(const QString& text) : std::runtime_error(text.toStdString()) {}

EAFehler::EAFehler(int code) : EAFehler(code, textFuer(code)) {}

EAFehler::EAFehler(int code, const QString& grund, const QString& folge)
    : VelmoraFehler(folge.isEmpty() ? grund : grund + QLatin1Char(' ') + folge), m_code(code), m_grund(grund)
{
}

QString EAFehler::textFuer(int code)
{
    switch (code) {
    case 2: return QStringLiteral("Datei nicht gefunden");
    case 3: return QStringLiteral("Ungültiger Dateiname");
    case 4: return QStringLiteral("Zu viele geöffnete Dateien");
    case 5: return QStringLiteral("Zugriff verweigert");
    case 100: return QStringLiteral("Versuch hinter dem Dateiende zu lesen");
    case 101: return QStringLiteral("Zu wenig Speicherplatz");
    case 223: return QStringLiteral("Datei zu groß");
    default: return QStringLiteral("E/A-Fehler %1").arg(code);
    }
}

EAFehler EAFehler::ausErrno(int err)
{
    switch (err) {
    case ENOENT: return EAFehler(2);
    case ENAMETOOLONG:
    case ENOTDIR: return EAFehler(3);
    case EMFILE:
    case ENFILE: return EAFehler(4);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return EAFehler(5);
    // a disk, a quota or a file size limit that takes nothing more
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return EAFehler(101);
    // its own number, even where it equals a code above (EIO is 5)
    default: return EAFehler(err, QStringLiteral("E/A-Fehler %1").arg(err));
    }
}

EAFehler EAFehler::gesperrt(const QString& datei)
{
    return EAFehler(33, QStringLiteral("Die Datei %1 wird gerade von einem anderen VELMORA-Programm benutzt.").arg(datei),
                    QStringLiteral("Es wurde nichts gespeichert; bitte versuchen Sie es noch einmal."));
}

EAFehler EAFehler::gesperrtBeimLesen(const QString& datei)
{
    return EAFehler(33, QStringLiteral("Die Datei %1 wird gerade von einem anderen VELMORA-Programm benutzt.").arg(datei),
                    QStringLiteral("Bitte versuchen Sie es noch einmal."));
}

EAFehler EAFehler::ohneSperren(const QString& datei, int err, bool speichern)
{
    const QString text = QStringLiteral("Die Datei %1 kann nicht gesperrt werden: Der Server der Freigabe gibt keine "
                                        "Dateisperren.")
                             .arg(datei);
    return EAFehler(err, text, speichern ? QStringLiteral("Es wurde nichts gespeichert.") : QString());
}

EAFehler EAFehler::nurLesbar(const QString& datei)
{
    return EAFehler(5, QStringLiteral("Zugriff verweigert: Dieses Konto darf die Datei %1 nur lesen.").arg(datei),
                    QStringLiteral("Es wurde nichts gespeichert."));
}

Konvertierungsfehler Konvertierungsfehler::integer(const QString& s)
{
    return Konvertierungsfehler(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(s));
}

Konvertierungsfehler Konvertierungsfehler::gleitkomma(const QString& s)
{
    return Konvertierungsfehler(QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(s));
}
