#pragma once
// The working folder: the program's own files at full size with empty records,
// the background picture and every content file.
#include <QByteArray>
#include <QString>
#include <vector>

struct EigeneDatei {
    QString name;
    QByteArray inhalt;  // the delivered, empty state
};

// The register, result, highscore, plan and level files as delivered.
std::vector<EigeneDatei> eigeneDateien();

// Creates what is missing in ordner and refreshes the content files and the
// picture as one (see erneuere); existing register, results, highscores, plans
// and level records are never overwritten. Throws Baufehler.
void baueArbeitsordner(const QString& ordner, const QString& quellordner);

// The background picture of the start screen, as JPEG.
QByteArray hintergrundbild();
