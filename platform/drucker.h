#pragma once
// The default printer: the system's default printer when there is one, otherwise
// a PDF file in the folder "ausdrucke" of the working folder, named in a message
// (also when it cannot be written, with the reason). A job is drawn into a PDF
// in memory; for a printer that goes into a temporary file that the print
// service is handed, so a refused job is an error.
// Pages are drawn in units of 0.1 mm from the top left of the printable area.
#include <QByteArray>
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QBuffer;
class QPainter;
class QPdfWriter;
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
    // Ends the job; a PDF in place of a printer is named in a message, and one
    // that cannot be written throws with the file and why. A job the printer
    // did not take throws "Der Ausdruck konnte nicht beendet werden." with the
    // service's reason.
    void beenden();

    // Tests redirect every job into a file of their choice.
    static void setzeZieldatei(const QString& datei);
    static QString letzteDatei();

private:
    QByteArray m_pdf;
    std::unique_ptr<QBuffer> m_puffer;
    std::unique_ptr<QPdfWriter> m_seite;
    std::unique_ptr<QPainter> m_maler;
    std::unique_ptr<QTemporaryFile> m_zwischen;  // the job for a printer
    QString m_warteschlange;                     // that printer's queue
    QString m_datei;                             // the PDF in place of a printer
    QString m_ersatzGrund;                       // why there is no printer, for the message
    int m_ablageFehler = 0;                      // why "ausdrucke" could not be made
};
