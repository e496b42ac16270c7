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
    fehler.text[0] = '\0';
    if (setjmp(fehler.sprung)) {
        jpeg_destroy_decompress(&info);
        return QStringLiteral("Die Datei ist kein gültiges JPEG-Bild (%1).").arg(QString::fromLatin1(fehler.text));
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
    return {};
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
