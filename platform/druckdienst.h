#pragma once
// The system's print service (CUPS) as the print job needs it: which printer is
// the default, and handing a finished PDF to it with the outcome known. Tests
// put a stand-in in place and never reach a real printer.
#include <QString>
#include <QStringList>
#include <functional>

namespace druckdienst {

enum class Lage {
    Drucker,          // a default printer answered
    KeinDrucker,      // none is set up
    NichtErreichbar,  // one is set up, but the service cannot be reached
};

struct Standard {
    Lage lage = Lage::KeinDrucker;
    QString drucker;  // the queue's name when there is one
};

struct Auftrag {
    QString drucker;
    QString datei;   // a PDF
    QString titel;   // the job's name in the queue
    QString papier;  // the page size, as CUPS names media ("A4")
};

Standard standard();
// The job id; 0 when the job was refused or did not arrive, with grund saying why.
int sende(const Auftrag& auftrag, QString& grund);

// Whether the files and settings of this machine name a printer although the
// service does not answer: PRINTER or LPDEST, a default in an lpoptions file,
// queues of a local scheduler, or a print server elsewhere.
bool eingerichtet(const QString& umgebungsdrucker, const QStringList& lpoptionsDateien,
                  const QString& druckerliste, const QString& server);

// Test seam: stand-ins for standard and sende; empty functions restore CUPS.
struct Ersatz {
    std::function<Standard()> standard;
    std::function<int(const Auftrag&, QString&)> sende;
};
void setzeErsatz(Ersatz ersatz);

}
