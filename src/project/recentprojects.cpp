#include "project/recentprojects.h"

#include "model/velkonerror.h"
#include "project/safewrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace velkon {

namespace {

// The list file is small; anything larger is not ours to read.
constexpr qint64 kMaxListBytes = 64 * 1024;

QString Absolute(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool Storable(const QString& path) {
    return !path.isEmpty() && !path.contains(QLatin1Char('\n')) && !path.contains(QLatin1Char('\r'));
}

} // namespace

QStringList TRecentProjects::Paths() const {
    QFile file(file_);
    if (!QFileInfo(file_).isFile() || QFileInfo(file_).size() > kMaxListBytes ||
        !file.open(QIODevice::ReadOnly))
        return {};
    QStringList paths;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QString path = line.trimmed();
        if (!Storable(path) || !QDir::isAbsolutePath(path) || paths.contains(path)) continue;
        paths << path;
        if (paths.size() == MaxCount) break;
    }
    return paths;
}

bool TRecentProjects::Add(const QString& path) const {
    const QString absolute = Absolute(path);
    if (!Storable(absolute)) return false;
    QStringList paths = Paths();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    while (paths.size() > MaxCount)
        paths.removeLast();
    return Write(paths);
}

bool TRecentProjects::Remove(const QString& path) const {
    QStringList paths = Paths();
    if (paths.removeAll(Absolute(path)) == 0) return true;
    return Write(paths);
}

bool TRecentProjects::Write(const QStringList& paths) const {
    try {
        SafeWriteFile(file_, (paths.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        return true;
    } catch (const EVelkonError&) {
        return false; // the list is a convenience: the project itself is not at stake
    }
}

} // namespace velkon
