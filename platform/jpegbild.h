#pragma once
// JPEG pictures through libjpeg. A missing or broken file throws VelmoraFehler
// "Datei <name> kann nicht geöffnet werden. <reason>"; a picture larger than a
// screen can use (over 4096 x 4096 pixels, or a side over 8192) gives the
// reason "Das Bild ist zu groß." before it is decoded; a file cut short
// "Die Datei ist unvollständig.", any other damage "Die Datei ist kein gültiges
// JPEG-Bild.".
#include <QImage>
#include <QString>

QImage ladeJpeg(const QString& datei);
