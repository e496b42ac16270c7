#include "platform/jpegbild.h"

#include "common/fehler.h"

#include <QFile>
#include <QFileInfo>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>

namespace {

struct Fehlerziel {
    jpeg_error_mgr basis;
    std::jmp_buf sprung;
    bool dateiende = false;  // the data ended before the picture did
};

// libjpeg would end the process on an error; jump back to the caller instead.
// Its own texts are English: the reason is told in German from its code.
void beiFehler(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<Fehlerziel*>(info->err)->sprung, 1);
}

// At the end of the data libjpeg only warns and makes the rest of the picture up.
void beiWarnung(j_common_ptr info, int stufe)
{
    if (stufe < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        reinterpret_cast<Fehlerziel*>(info->err)->dateiende = true;
}

QString grundVon(const Fehlerziel& fehler)
{
    if (fehler.dateiende)
        return QStringLiteral("Die Datei ist unvollständig.");
    if (fehler.basis.msg_code == JERR_OUT_OF_MEMORY)
        return QStringLiteral("Zu wenig Arbeitsspeicher.");
    return QStringLiteral("Die Datei ist kein gültiges JPEG-Bild.");
}

// A header may claim up to 65500 x 65500 pixels, and a progressive picture
// needs memory for all of them before the first line comes out. Larger than a
// 4096 x 4096 picture (twice what a 4K screen shows) or wider or higher than
// 8192 is refused after the header, before any decoding.
constexpr unsigned kSeite = 8192;
constexpr unsigned long long kHoechstensPunkte = 4096ull * 4096ull;

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
    if (setjmp(fehler.sprung)) {
        jpeg_destroy_decompress(&info);
        return grundVon(fehler);
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(daten.constData()),
                 static_cast<unsigned long>(daten.size()));
    jpeg_read_header(&info, TRUE);
    if (info.image_width > kSeite || info.image_height > kSeite
        || 1ull * info.image_width * info.image_height > kHoechstensPunkte) {
        jpeg_destroy_decompress(&info);
        return QStringLiteral("Das Bild ist zu groß.");
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    *bild = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB888);
    if (bild->isNull()) {
        jpeg_destroy_decompress(&info);
        return QStringLiteral("Zu wenig Arbeitsspeicher.");
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW zeile = bild->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &zeile, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    // a picture cut short is not shown with a made-up grey rest
    return fehler.dateiende ? grundVon(fehler) : QString();
}

}

QImage ladeJpeg(const QString& datei)
{
    QFile f(datei);
    if (!QFileInfo::exists(datei))
        scheitern(datei, QStringLiteral("Das System kann die angegebene Datei nicht finden."));
    // a folder or a pipe of that name is no picture (reading a pipe could block for ever)
    if (!QFileInfo(datei).isFile() || !f.open(QIODevice::ReadOnly))
        scheitern(datei, QStringLiteral("Zugriff verweigert."));
    const QByteArray daten = f.readAll();
    if (daten.isEmpty())
        scheitern(datei, QStringLiteral("Die Datei ist leer."));
    QImage bild;
    const QString grund = dekodiere(daten, &bild);
    if (!grund.isEmpty())
        scheitern(datei, grund);
    return bild;
}
