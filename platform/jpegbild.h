#pragma once
// JPEG pictures through libjpeg. A missing or broken file throws VelmoraFehler
// "Datei <name> kann nicht geöffnet werden. <reason>".
#include <QImage>
#include <QString>

QImage ladeJpeg(const QString& datei);
