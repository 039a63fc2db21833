#include "edit/projectplace.h"

#include "model/errorlog.h"
#include "model/scene.h"

#include <QCoreApplication>
#include <QDir>

namespace velkon {

QString ProjectPlace(const TScene& scene) {
    // An unsaved project has no folder yet: only its name.
    if (scene.ProjectDir.isEmpty()) return scene.ProjectFileName;
    return QDir::toNativeSeparators(QDir(scene.ProjectDir).filePath(scene.ProjectFileName));
}

void ReportPack(TErrorLog& log, const QString& packPath, const TScene& scene) {
    log.Add(QCoreApplication::translate("ProjectPlace",
                                        "Csomag elkészült: %1 | a projekt új helye (ide ment a Ctrl+S): %2")
                .arg(QDir::toNativeSeparators(packPath), ProjectPlace(scene)));
}

} // namespace velkon
