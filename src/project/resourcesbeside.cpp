#include "project/resourcesbeside.h"

#include "model/dialogs.h"
#include "model/errorlog.h"
#include "model/filesitem.h"
#include "model/scene.h"
#include "model/velkonerror.h"
#include "project/projectfile.h"
#include "project/safewrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace velkon {

namespace {

QByteArray ReadWhole(const QString& path) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        throw EVelkonError(QCoreApplication::translate("ResourcesBeside", "A fájl nem olvasható: %1 (%2)")
                               .arg(QDir::toNativeSeparators(path), in.errorString()));
    return in.readAll();
}

// Whether two files hold the same bytes; the sizes are compared first.
bool SameBytes(const QString& a, const QString& b) {
    if (QFileInfo(a).size() != QFileInfo(b).size()) return false;
    return ReadWhole(a) == ReadWhole(b);
}

} // namespace

bool ResourceBeside(const TFilesItem& file, const QString& folder) {
    if (folder.isEmpty() || file.Path.isEmpty()) return false;
    const QFileInfo source(file.Path);
    const QFileInfo target(QDir(folder).filePath(file.Name));
    if (source.absoluteFilePath() == target.absoluteFilePath()) return true;
    const QString a = source.canonicalFilePath();
    return !a.isEmpty() && a == target.canonicalFilePath();
}

bool ResourceBesideProject(const TScene& scene, const TFilesItem& file) {
    return ResourceBeside(file, scene.ProjectDir);
}

TResourcePlan PlanResourceCopies(const TScene& scene, const QString& folder) {
    TResourcePlan plan;
    for (const auto& [key, file] : scene.Files) {
        // A name that is no plain file name has no place in any folder.
        if (!IsPlainFileName(file->Name) || ResourceBeside(*file, folder)) continue;
        const QString target = QDir(folder).filePath(file->Name);
        const QFileInfo source(file->Path);
        const bool there = QFileInfo::exists(target);
        if (file->Path.isEmpty() || !source.isFile()) {
            // Nothing to copy from; a file of that name beside the project is what it will find.
            if (there)
                plan.Copies.push_back({file.get(), target, true});
            else
                plan.Missing << file->Name;
            continue;
        }
        if (there) {
            CheckWriteTarget(target);
            if (!SameBytes(file->Path, target)) {
                plan.Conflicts << file->Name;
                continue;
            }
            plan.Copies.push_back({file.get(), target, true});
            continue;
        }
        CheckWriteTarget(target);
        plan.Copies.push_back({file.get(), target, false});
    }
    return plan;
}

int CopyResources(const TResourcePlan& plan) {
    int written = 0;
    for (const TResourcePlan::TCopy& copy : plan.Copies) {
        if (!copy.Present) {
            SafeWriteFile(copy.Target, ReadWhole(copy.File->Path));
            ++written;
        }
        copy.File->Path = copy.Target;
    }
    return written;
}

int AdoptResourcesBeside(TScene& scene) {
    if (scene.ProjectDir.isEmpty()) return 0;
    TResourcePlan plan;
    try {
        plan = PlanResourceCopies(scene, scene.ProjectDir);
    } catch (const EVelkonError&) {
        return 0; // what cannot be read or written there stays where it is; the next save tells
    }
    int adopted = 0;
    for (const TResourcePlan::TCopy& copy : plan.Copies)
        if (copy.Present) {
            copy.File->Path = copy.Target;
            ++adopted;
        }
    return adopted;
}

std::optional<QStringList> BringResourcesBeside(const TScene& scene, const QString& folder, TDialogs& dialogs,
                                                TErrorLog& log) {
    const TResourcePlan plan = PlanResourceCopies(scene, folder);
    if (!plan.Conflicts.isEmpty()) {
        const QString text =
            QCoreApplication::translate("ResourcesBeside",
                                        "A projekt nincs mentve: a(z) %1 mappában már van más "
                                        "tartalmú fájl ezen a néven: %2. Nevezze át a fájlt, "
                                        "vagy mentse a projektet másik mappába.")
                .arg(QDir::toNativeSeparators(folder), plan.Conflicts.join(QStringLiteral(", ")));
        log.Add(text);
        dialogs.Warning(text);
        return std::nullopt;
    }
    const int written = CopyResources(plan);
    QStringList lines;
    for (const QString& name : plan.Missing)
        lines << QCoreApplication::translate("ResourcesBeside",
                                             "Nincs meg a fájl, nem került a projekt mellé: %1")
                     .arg(name);
    if (written > 0)
        lines << QCoreApplication::translate("ResourcesBeside", "%1 fájl a projekt mappájába másolva: %2")
                     .arg(QString::number(written), QDir::toNativeSeparators(folder));
    return lines;
}

} // namespace velkon
