#include "platform/schriften.h"

namespace schrift {

QString familie(const QString& name)
{
    if (name == QLatin1String("Arial") || name == QLatin1String("MS Sans Serif"))
        return QStringLiteral("Liberation Sans");
    if (name == QLatin1String("Times New Roman"))
        return QStringLiteral("Liberation Serif");
    if (name == QLatin1String("Courier New"))
        return QStringLiteral("Liberation Mono");
    if (name == QLatin1String("Symbol"))
        return QStringLiteral("DejaVu Sans");
    return name;
}

QFont font(const QString& name, int pixelHoehe, bool fett)
{
    QFont f(familie(name));
    f.setPixelSize(pixelHoehe > 0 ? pixelHoehe : 1);
    f.setBold(fett);
    f.setStyleHint(name == QLatin1String("Courier New") ? QFont::TypeWriter : QFont::AnyStyle);
    return f;
}

}
