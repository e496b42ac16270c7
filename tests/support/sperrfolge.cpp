#include "tests/support/sperrfolge.h"

#include "tests/support/freigaberegeln.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <cstdio>

namespace {

QMutex& brucheSperre()
{
    static QMutex m;
    return m;
}

QStringList& gesehen()
{
    static QStringList b;
    return b;
}

// Every lock this process holds but the one of ausser, by path, as the kernel shows them.
QStringList gehalteneSperren(int ausser)
{
    QStringList pfade;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString& name : fds.entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot)) {
        const int fd = name.toInt();
        if (fd == ausser || freigabe::eigeneSperre(fd) == 0)
            continue;
        pfade << QFile::symLinkTarget(fds.filePath(name));
    }
    return pfade;
}

bool istKopie(const QString& pfad) { return pfad.contains(QLatin1String(".velmora-")); }

void beimSperren(int fd)
{
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const QString neu = QFile::symLinkTarget(QString::fromLatin1(link));
    if (neu.isEmpty() || istKopie(neu))
        return;
    for (const QString& gehalten : gehalteneSperren(fd)) {
        if (istKopie(gehalten) || gehalten <= neu)
            continue;
        QMutexLocker l(&brucheSperre());
        gesehen() << neu + QStringLiteral(" nach ") + gehalten;
    }
}

}

namespace sperrfolge {

void pruefe(bool an)
{
    {
        QMutexLocker l(&brucheSperre());
        gesehen().clear();
    }
    freigabe::setzeBeobachter(an ? beimSperren : nullptr);
}

QStringList brueche()
{
    QMutexLocker l(&brucheSperre());
    return gesehen();
}

}
