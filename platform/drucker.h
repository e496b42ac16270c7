#pragma once
// The default printer: the system's default printer when there is one, otherwise
// a PDF file in the folder "ausdrucke" of the working folder, named in a message
// (also when it cannot be written). A job for a printer is drawn into a
// temporary PDF and handed to the print service, so a refused job is an error.
// Pages are drawn in units of 0.1 mm from the top left of the printable area.
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QPainter;
class QPrinter;
class QTemporaryFile;

class Druckauftrag {
public:
    Druckauftrag();
    ~Druckauftrag();
    Druckauftrag(const Druckauftrag&) = delete;
    Druckauftrag& operator=(const Druckauftrag&) = delete;

    // Height of the printable area in 0.1 mm.
    int seitenhoehe() const;
    void schrift(const QFont& f);  // pixel size in 0.1 mm
    void text(int x, int y, const QString& text);
    void neueSeite();
    // Ends the job; a PDF in place of a printer is named in a message. A job the
    // printer did not take throws "Der Ausdruck konnte nicht beendet werden."
    // with the service's reason.
    void beenden();

    // Tests redirect every job into a file of their choice.
    static void setzeZieldatei(const QString& datei);
    static QString letzteDatei();

private:
    std::unique_ptr<QPrinter> m_drucker;
    std::unique_ptr<QPainter> m_maler;
    std::unique_ptr<QTemporaryFile> m_zwischen;  // the job for a printer
    QString m_warteschlange;                     // that printer's queue
    QString m_datei;                             // the PDF in place of a printer
    QString m_ersatzGrund;                       // why there is no printer, for the message
};
