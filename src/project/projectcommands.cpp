#include "project/projectcommands.h"

#include "model/dialogs.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/velkonerror.h"
#include "project/projectfile.h"
#include "project/recentprojects.h"
#include "project/resourcesbeside.h"
#include "project/settingsplaces.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace velkon {

namespace {

TFileChoice ProjectChoice(const TScene& scene, TFileChoice::TMode mode) {
    TFileChoice choice;
    choice.Mode = mode;
    choice.Title = mode == TFileChoice::modeSave
                       ? QCoreApplication::translate("ProjectCommands", "Projekt mentése")
                       : QCoreApplication::translate("ProjectCommands", "Projekt megnyitása");
    choice.Filter = QStringLiteral("*.VKP");
    choice.DefaultExt = QStringLiteral("VKP");
    choice.InitialDir = scene.ProjectDir;
    choice.InitialName = scene.ProjectFileName;
    return choice;
}

} // namespace

QString IncompleteOverwriteQuestion(const TScene& scene) {
    return QCoreApplication::translate("ProjectCommands",
                                       "A projekt fájl beolvasása félbeszakadt (%1). Ami utána következett "
                                       "(a további rétegek, parancsok "
                                       "és segédvonalak), nincs betöltve; ha felülírja vele a(z) %2 fájlt, "
                                       "az mind elvész. Biztos felülírja?")
        .arg(scene.Incomplete, scene.ProjectFileName);
}

bool IsProjectSource(const TScene& scene, const QString& path) {
    if (scene.ProjectFileName.isEmpty() || scene.ProjectDir.isEmpty())
        return false;
    const QFileInfo source(QDir(scene.ProjectDir).filePath(scene.ProjectFileName));
    const QFileInfo target(path);
    if (source.absoluteFilePath() == target.absoluteFilePath())
        return true;
    // Both there: the same file under another name (a link, a linked folder).
    const QString a = source.canonicalFilePath(), b = target.canonicalFilePath();
    return !a.isEmpty() && a == b;
}

bool SaveProjectCommand(TScene& scene, TDialogs& dialogs, TErrorLog& log, bool withDialog) {
    if (scene.Files.IsEmpty()) {
        dialogs.Message(QCoreApplication::translate("ProjectCommands", "Üres projektet akar menteni!"));
        return false;
    }
    QString path;
    const QString source = scene.ProjectFileName.isEmpty() || scene.ProjectDir.isEmpty()
                               ? QString()
                               : QDir(scene.ProjectDir).filePath(scene.ProjectFileName);
    // A project that was never read or saved has no folder to go back to; one
    // whose read stopped half-way never goes back to its source without a choice.
    if (!withDialog && scene.Incomplete.isEmpty())
        path = source;
    if (path.isEmpty()) {
        const std::optional<QString> chosen = dialogs.ChooseFile(ProjectChoice(scene, TFileChoice::modeSave));
        if (!chosen || chosen->isEmpty())
            return false; // a cancelled dialog abandons the save
        // A project that has no file yet has no name of its own to keep.
        const bool hasFile = !scene.ProjectDir.isEmpty();
        if (hasFile && QFileInfo(*chosen).fileName() != scene.ProjectFileName &&
            !dialogs.AskYesNo(QCoreApplication::translate("ProjectCommands", "Mentés"),
                              QCoreApplication::translate("ProjectCommands",
                                                          "Biztos más éven menti el mint a projet neve?")))
            return false;
        if (!scene.Incomplete.isEmpty() && IsProjectSource(scene, *chosen) &&
            !dialogs.AskYesNo(QCoreApplication::translate("ProjectCommands", "Mentés"),
                              IncompleteOverwriteQuestion(scene)))
            return false;
        path = *chosen;
    }
    // The project names its resources by file name only: they go beside it first.
    const std::optional<QStringList> copied =
        BringResourcesBeside(scene, QFileInfo(path).absolutePath(), dialogs, log);
    if (!copied) return false;
    WriteProject(scene, path);
    for (const QString& line : *copied)
        log.Add(line);
    log.Add(QCoreApplication::translate("ProjectCommands", "Project elmentve."));
    return true;
}

namespace {

// Open's question before unsaved changes are dropped; true to go on.
bool MayOpenAnother(const TScene& scene, TDialogs& dialogs) {
    return scene.Saved ||
           dialogs.AskYesNo(QCoreApplication::translate("ProjectCommands", "Betöltés"),
                            QCoreApplication::translate(
                                "ProjectCommands", "A projekt nincs elmentve, biztos betölt egy másikat?"));
}

} // namespace

bool OpenProjectCommand(TScene& scene, TDialogs& dialogs, TErrorLog& log) {
    if (!MayOpenAnother(scene, dialogs)) return false;
    const std::optional<QString> chosen = dialogs.ChooseFile(ProjectChoice(scene, TFileChoice::modeOpen));
    if (!chosen || chosen->isEmpty())
        return false;
    ReadProject(scene, *chosen, log);
    return true;
}

bool OpenProjectFileCommand(TScene& scene, TDialogs& dialogs, TErrorLog& log, const QString& path) {
    if (!MayOpenAnother(scene, dialogs)) return false;
    if (!QFileInfo(path).isFile()) {
        log.Add(QCoreApplication::translate("ProjectCommands", "A projekt nem található: %1").arg(path));
        return false;
    }
    ReadProject(scene, path, log);
    return true;
}

bool OpenRecentProjectCommand(TScene& scene, TDialogs& dialogs, TErrorLog& log, const TRecentProjects& recent,
                              const QString& path) {
    if (!MayOpenAnother(scene, dialogs)) return false;
    if (!QFileInfo(path).isFile()) {
        recent.Remove(path);
        log.Add(QCoreApplication::translate("ProjectCommands",
                                            "A projekt nem található, kikerült a legutóbbiak közül: %1")
                    .arg(path));
        return false;
    }
    ReadProject(scene, path, log);
    return true;
}

void ResetToNewProject(TScene& scene) {
    scene.ProjectFileName = QString::fromLatin1(UntitledProjectName);
    scene.ProjectDir.clear();
    scene.ClearLayersAndFiles();
    scene.BackgroundColor = 0xFFFFFF;
    scene.Playing = false;
    scene.Groups.clear();
    scene.Lock = false;
    scene.Lines.clear(); // helper lines belong to the project
    scene.Saved = false;
}

void RecountSelection(TScene& scene) {
    scene.SelectedCount = 0;
    scene.CurrentLayer = nullptr;
    for (const auto& entry : scene.Layers)
        if (entry.second->Selected) ++scene.SelectedCount;
}

QString PhotoFileName(const TScene& scene) {
    QString name = scene.ProjectFileName + QStringLiteral("T.png");
    name.remove(QStringLiteral(".VKP"));
    return name;
}

QString ExitSaveProject(TScene& scene, const TSettingsPlaces& places) {
    // The exit save is a safety copy: the scene stays the project it was.
    const QString fileName = scene.ProjectFileName;
    const QString dir = scene.ProjectDir;
    const bool saved = scene.Saved;
    const QString incomplete = scene.Incomplete;
    const auto restore = [&] {
        scene.ProjectFileName = fileName;
        scene.ProjectDir = dir;
        scene.Saved = saved;
        scene.Incomplete = incomplete;
    };
    const QString path = places.ExitSaveFile();
    if (!incomplete.isEmpty() && !dir.isEmpty() &&
        QFileInfo(QDir(dir).filePath(fileName)).absoluteFilePath() == QFileInfo(path).absoluteFilePath())
        throw EVelkonError(QCoreApplication::translate(
                               "ProjectCommands",
                               "A kilépési mentés elmaradt: a projekt csak részben töltődött be ebből a "
                               "fájlból, a maradéka nem írhatja felül: %1")
                               .arg(path));
    try {
        WriteProject(scene, path);
    } catch (...) {
        restore();
        throw;
    }
    restore();
    return path;
}

} // namespace velkon
