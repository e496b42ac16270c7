// Content files read by the exercises in exercises/memory/.
#include "content/inhalte.h"

#include <QRegularExpression>

namespace {

// "Städte": the population in thousands in characters 1-4, right-aligned with
// blanks (the program divides by it, so never 0), then the city's name.
Inhaltsart stadtdatei()
{
    return {QStringLiteral("stadtwin.dat"), 20, 30,
            {{QStringLiteral("einwohner"), 4}, {QStringLiteral("stadt"), 0}},
            [](const QStringList& f) {
                static const QRegularExpression zahl(QStringLiteral("^[1-9][0-9]{0,3}$"));
                if (!zahl.match(f[0]).hasMatch())
                    return QStringLiteral("Einwohnerzahl \"%1\" ist keine ganze Zahl von 1 bis 9999").arg(f[0]);
                if (f[1].trimmed().isEmpty() || f[1] != f[1].trimmed())
                    return QStringLiteral("Stadtname fehlt oder hat Leerzeichen am Rand");
                if (f[1].size() > 16)
                    return QStringLiteral("Stadtname \"%1\" länger als 16 Zeichen").arg(f[1]);
                return QString();
            },
            {},
            [](const QStringList& f) { return f[0].rightJustified(4) + f[1]; }};
}

}

std::vector<Inhaltsart> artenGedaechtnis()
{
    return {
        stadtdatei(),
    };
}
