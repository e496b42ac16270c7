#include "common/cp1252.h"

#include <QList>

namespace {
// 0x80 to 0x9F; the unused bytes keep their C1 code so that they survive a round trip.
constexpr char16_t kSonder[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
}

namespace cp1252 {

char16_t zeichen(unsigned char b)
{
    if (b >= 0x80 && b < 0xA0)
        return kSonder[b - 0x80];
    return b;
}

unsigned char byte(char32_t z)
{
    if (z < 0x80 || (z >= 0xA0 && z <= 0xFF))
        return static_cast<unsigned char>(z);
    for (int i = 0; i < 32; ++i)
        if (kSonder[i] == z)
            return static_cast<unsigned char>(0x80 + i);
    return '?';
}

QString dekodiere(const QByteArray& bytes)
{
    QString s;
    s.reserve(bytes.size());
    for (char c : bytes)
        s.append(QChar(zeichen(static_cast<unsigned char>(c))));
    return s;
}

QByteArray kodiere(const QString& text)
{
    QByteArray b;
    b.reserve(text.size());
    for (char32_t z : text.toUcs4())
        b.append(static_cast<char>(byte(z)));
    return b;
}

}
