#include "exercises/shared/buchstabenfilter.h"

#include "common/textformat.h"

namespace wortaufgaben {

using textformat::grossAZ;

std::optional<QChar> filtere(Zeichenfilter filter, QChar c)
{
    const bool gross = (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || c == QLatin1Char('[');
    const bool klein = c >= QLatin1Char('a') && c <= QLatin1Char('z');
    switch (filter) {
    case Zeichenfilter::Grossbuchstaben:
        if (gross || klein)
            return grossAZ(QString(c))[0];
        return std::nullopt;
    case Zeichenfilter::WieGetippt:
        if (gross || klein)
            return c;
        return std::nullopt;
    case Zeichenfilter::MitUmlauten:
        if (gross || klein)
            return grossAZ(QString(c))[0];
        if (c == u'Ä' || c == u'Ö' || c == u'Ü')
            return c;
        if (c == u'ä' || c == u'ö' || c == u'ü')
            return c.toUpper();
        return std::nullopt;
    case Zeichenfilter::EinsOderZwei:
        if (c == QLatin1Char('1') || c == QLatin1Char('2'))
            return c;
        return std::nullopt;
    }
    return std::nullopt;
}

QString filtere(Zeichenfilter filter, const QString& text)
{
    QString t;
    for (QChar c : text)
        if (const std::optional<QChar> z = filtere(filter, c))
            t += *z;
    return t;
}

QString grossMitUmlauten(const QString& s)
{
    QString t = grossAZ(s);
    for (QChar& c : t)
        if (c == u'ä' || c == u'ö' || c == u'ü')
            c = c.toUpper();
    return t;
}

}
