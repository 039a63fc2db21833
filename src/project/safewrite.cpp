#include "project/safewrite.h"

#include "model/velkonerror.h"

#include <QSaveFile>

namespace velkon {

void SafeWriteFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Never fall back to writing the target in place: that is what we avoid.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        throw EVelkonError(QStringLiteral("Nem sikerült írni a fájlt: ") + path + QStringLiteral(" (") +
                           file.errorString() + QLatin1Char(')'));
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw EVelkonError(QStringLiteral("Nem sikerült írni a fájlt: ") + path + QStringLiteral(" (") + reason +
                           QLatin1Char(')'));
    }
    if (!file.commit())
        throw EVelkonError(QStringLiteral("Nem sikerült írni a fájlt: ") + path + QStringLiteral(" (") +
                           file.errorString() + QLatin1Char(')'));
}

} // namespace velkon
