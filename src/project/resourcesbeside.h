#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace velkon {

class TDialogs;
class TErrorLog;
class TFilesItem;
class TScene;

// A project names its resources by file name only and finds them in its own
// folder: whatever lives elsewhere must be copied beside the project file
// before the file is written, or the project names files that are not there.

// Whether the resource's file is the file of its name in folder (also
// through a link). A resource of a project that has no folder yet is nowhere.
bool ResourceBeside(const TFilesItem& file, const QString& folder);
// The same for the scene's own folder (the Files tab marks the others).
bool ResourceBesideProject(const TScene& scene, const TFilesItem& file);

// What a save into folder must do with the resources that are not beside it.
struct TResourcePlan {
    struct TCopy {
        TFilesItem* File = nullptr;
        QString Target;       // the file of its name in folder
        bool Present = false; // the same bytes are there already: nothing to write
    };
    std::vector<TCopy> Copies;
    // Names whose namesake in folder holds other bytes: the save must stop.
    QStringList Conflicts;
    // Names whose file is not there to copy (reported when the project was read).
    QStringList Missing;
};

// Looks at every resource with a plain file name that is not beside folder;
// reads and compares, writes nothing. Throws EVelkonError when a source cannot
// be read or a target cannot be written (a link or a folder in its place).
TResourcePlan PlanResourceCopies(const TScene& scene, const QString& folder);

// Writes the copies of a plan without conflicts; afterwards every planned
// file item's Path names its file in folder. Returns how many files were
// written. Throws EVelkonError when one cannot be written (the earlier copies stay).
int CopyResources(const TResourcePlan& plan);

// Makes every resource whose same bytes stand beside the project under its
// name use that file (after a pack has copied them there). Returns how many.
int AdoptResourcesBeside(TScene& scene);

// The step of a save before the project file is written: plans the copies;
// a conflict is told (warning box and log line) and stops the save with nothing
// written (nullopt); otherwise copies and returns the lines for the log once
// the project is written (how many files went beside it, which were missing).
std::optional<QStringList> BringResourcesBeside(const TScene& scene, const QString& folder, TDialogs& dialogs,
                                                TErrorLog& log);

} // namespace velkon
