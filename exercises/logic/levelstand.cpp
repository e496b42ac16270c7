#include "exercises/logic/levelstand.h"

#include <algorithm>

namespace levelstand {

Stati ausText(const QString& satz)
{
    Stati s{};
    for (int i = 1; i <= kLevel; ++i) {
        const int c = i <= satz.size() ? satz.at(i - 1).unicode() - 48 : 0;
        s[i] = c >= kGeloest && c <= kAufgegeben ? c : 0;
    }
    return s;
}

QString alsText(const Stati& stati)
{
    QString t;
    for (int i = 1; i <= kLevel; ++i)
        t += QChar(48 + stati[i]);
    return t;
}

QString zeile(int level, int status)
{
    const QString text = status == kGeloest        ? QStringLiteral("gelöst!")
                         : status == kAufgegeben ? QStringLiteral("nicht gelöst!")
                                                 : QString::number(status);
    return QStringLiteral("%1)  %2").arg(level, 2).arg(text);
}

Stati aufgetragen(const Stati& gelesen, const Stati& geaendert, const Stati& jetzt)
{
    Stati s = jetzt;
    for (int i = 1; i <= kLevel; ++i) {
        if (geaendert[i] == gelesen[i])
            continue;
        if (geaendert[i] == kGeloest || jetzt[i] == kGeloest)
            s[i] = kGeloest;
        else
            s[i] = std::min(kAufgegeben, jetzt[i] + std::max(0, geaendert[i] - gelesen[i]));
    }
    return s;
}

}
