// The start screen's picture, drawn here and stored as JPEG: an evening sky over
// rolling hills, with a band of soft waves. It is shown stretched to 600 x 125.
#include "content/arbeitsordner.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <vector>

namespace {

constexpr int kBreite = 1200;
constexpr int kHoehe = 250;

struct Rgb {
    double r, g, b;
};

Rgb mische(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

Rgb punkt(int x, int y)
{
    const double fx = double(x) / kBreite;
    const double fy = double(y) / kHoehe;
    Rgb farbe = mische({20, 40, 160}, {250, 190, 120}, std::pow(fy, 1.4));  // sky
    // sun
    const double dx = (fx - 0.78) * kBreite, dy = (fy - 0.55) * kHoehe;
    const double d = std::sqrt(dx * dx + dy * dy);
    if (d < 38)
        farbe = mische(farbe, {255, 235, 150}, 0.9);
    else if (d < 90)
        farbe = mische(farbe, {255, 220, 140}, 0.35 * (90 - d) / 52);
    // soft waves across the sky
    for (int w = 0; w < 3; ++w) {
        const double mitte = 0.25 + 0.08 * w + 0.04 * std::sin(fx * 9.0 + w * 1.7);
        const double abstand = std::fabs(fy - mitte);
        if (abstand < 0.012)
            farbe = mische(farbe, {255, 255, 255}, 0.35 * (1 - abstand / 0.012));
    }
    // three rows of hills
    const Rgb gruen[3] = {{40, 110, 60}, {30, 90, 50}, {20, 70, 40}};
    for (int h = 0; h < 3; ++h) {
        const double grat = 0.62 + 0.1 * h + 0.06 * std::sin(fx * (5.0 + 2 * h) + h * 2.1)
                            + 0.03 * std::sin(fx * (13.0 + h) + h);
        if (fy > grat)
            farbe = mische(gruen[h], {10, 40, 25}, std::min(1.0, (fy - grat) * 2.5));
    }
    return farbe;
}

unsigned char kanal(double v) { return static_cast<unsigned char>(std::clamp(v, 0.0, 255.0)); }

}

QByteArray hintergrundbild()
{
    std::vector<unsigned char> pixel(size_t(kBreite) * kHoehe * 3);
    for (int y = 0; y < kHoehe; ++y)
        for (int x = 0; x < kBreite; ++x) {
            const Rgb p = punkt(x, y);
            unsigned char* z = &pixel[(size_t(y) * kBreite + x) * 3];
            z[0] = kanal(p.r);
            z[1] = kanal(p.g);
            z[2] = kanal(p.b);
        }

    jpeg_compress_struct info;
    jpeg_error_mgr fehler;
    info.err = jpeg_std_error(&fehler);
    jpeg_create_compress(&info);
    unsigned char* puffer = nullptr;
    unsigned long groesse = 0;
    jpeg_mem_dest(&info, &puffer, &groesse);
    info.image_width = kBreite;
    info.image_height = kHoehe;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW zeile = &pixel[size_t(info.next_scanline) * kBreite * 3];
        jpeg_write_scanlines(&info, &zeile, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray daten(reinterpret_cast<const char*>(puffer), static_cast<qsizetype>(groesse));
    std::free(puffer);
    return daten;
}
