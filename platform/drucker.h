#pragma once
// The default printer: the system's default printer when there is one, otherwise
// a PDF file in the folder "ausdrucke" of the working folder, named in a message
// (also when it cannot be written).
// Pages are drawn in units of 0.1 mm from the top left of the printable area.
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QPainter;
class QPrinter;

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
    // Ends the job; a PDF in place of a printer is named in a message.
    void beenden();

    // Tests redirect every job into a file of their choice.
    static void setzeZieldatei(const QString& datei);
    static QString letzteDatei();

private:
    std::unique_ptr<QPrinter> m_drucker;
    std::unique_ptr<QPainter> m_maler;
    QString m_datei;
};
