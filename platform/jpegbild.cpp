#include "platform/jpegbild.h"

#include "common/fehler.h"

#include <QFile>
#include <QFileInfo>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace {

struct Fehlerziel {
    jpeg_error_mgr basis;
    std::jmp_buf sprung;
    char text[JMSG_LENGTH_MAX];
};

// libjpeg would end the process on an error; jump back to the caller instead.
void beiFehler(j_common_ptr info)
{
    auto* ziel = reinterpret_cast<Fehlerziel*>(info->err);
    (*info->err->format_message)(info, ziel->text);
    std::longjmp(ziel->sprung, 1);
}

void beiWarnung(j_common_ptr, int) {}

[[noreturn]] void scheitern(const QString& datei, const QString& grund)
{
    throw VelmoraFehler(QStringLiteral("Datei %1 kann nicht geöffnet werden. %2").arg(datei, grund));
}

// Decodes without any C++ object alive across setjmp; returns the error text or empty.
QString dekodiere(const QByteArray& daten, QImage* bild)
{
    jpeg_decompress_struct info;
    Fehlerziel fehler;
    info.err = jpeg_std_error(&fehler.basis);
    fehler.basis.error_exit = beiFehler;
    fehler.basis.emit_message = beiWarnung;
    fehler.text[0] = '\0';
    if (setjmp(fehler.sprung)) {
        jpeg_destroy_decompress(&info);
        return QString::fromLatin1(fehler.text);
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(daten.constData()),
                 static_cast<unsigned long>(daten.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    *bild = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB888);
    while (info.output_scanline < info.output_height) {
        JSAMPROW zeile = bild->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &zeile, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return {};
}

}

QImage ladeJpeg(const QString& datei)
{
    QFile f(datei);
    if (!QFileInfo::exists(datei))
        scheitern(datei, QStringLiteral("Das System kann die angegebene Datei nicht finden."));
    if (!f.open(QIODevice::ReadOnly))
        scheitern(datei, QStringLiteral("Zugriff verweigert."));
    const QByteArray daten = f.readAll();
    if (daten.isEmpty())
        scheitern(datei, QStringLiteral("Die Datei ist leer."));
    QImage bild;
    const QString grund = dekodiere(daten, &bild);
    if (!grund.isEmpty())
        scheitern(datei, QStringLiteral("Die Datei ist kein gültiges JPEG-Bild (%1).").arg(grund));
    return bild;
}
