#pragma once
// A stand-in for the print service while it lives: a default printer
// "Testdrucker" (or none, or one that cannot be reached) that keeps the jobs it
// takes, or refuses them all when ablehnen is set.
#include "platform/druckdienst.h"

#include <QFile>
#include <QList>

class Testdrucker {
public:
    explicit Testdrucker(druckdienst::Lage lage = druckdienst::Lage::Drucker)
    {
        druckdienst::setzeErsatz({[lage] {
                                      return druckdienst::Standard{lage, lage == druckdienst::Lage::Drucker
                                                                             ? QStringLiteral("Testdrucker")
                                                                             : QString()};
                                  },
                                  [this](const druckdienst::Auftrag& a, QString& grund) {
                                      auftraege << a;
                                      if (ablehnen) {
                                          grund = ablehnung;
                                          return 0;
                                      }
                                      QFile f(a.datei);
                                      inhalte << (f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
                                      return 17;
                                  }});
    }
    ~Testdrucker() { druckdienst::setzeErsatz({}); }
    Testdrucker(const Testdrucker&) = delete;
    Testdrucker& operator=(const Testdrucker&) = delete;

    bool ablehnen = false;
    QString ablehnung;                      // the service's reason for a refusal
    QList<druckdienst::Auftrag> auftraege;  // every job handed over
    QList<QByteArray> inhalte;              // the PDFs of the jobs taken
};
