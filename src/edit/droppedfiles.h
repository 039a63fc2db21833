#pragma once

#include "edit/layerlist.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace velkon {

class TDialogs;
class TEditorState;
class TErrorLog;

// What a dropped file is, by the last extension of its name in any case:
// ".vkp" a project, ".png" a picture (what the add-picture chooser offers),
// ".wav" a sound, ".par" a particle file; anything else is no file of ours.
enum class TDroppedKind { project, picture, sound, particle, other };
TDroppedKind DroppedKindOf(const QString& path);

// One item of a drop: a local path, or (Local false) an address that names
// no local file.
struct TDroppedItem {
    QString Path;
    bool Local = true;
};

// Where the drop landed: the canvas, the layer list or anywhere else on the window.
enum class TDropTarget { window, canvas, layerList };

// A drop sorted into what it does. A project opens only when it is all that
// was dropped: with other items nothing happens at all (one log line says
// why). Pictures, sounds and particles are added only on the canvas or the
// layer list. Addresses that are no local file, folders, files of no kind of
// ours and resources dropped elsewhere on the window are refused one by one,
// each with a log line; the rest of the drop goes on.
struct TDropPlan {
    QString Project;
    QStringList Pictures, Sounds, Particles;
    QStringList Refusals; // log lines
};
TDropPlan PlanDrop(const std::vector<TDroppedItem>& items, TDropTarget target);

// Logs the plan's refusals and adds its pictures, sounds and particles as the
// add buttons add them (each kind its own undo step, with the buttons'
// messages and log lines); the project is the caller's to open. canvasPoint,
// in canvas window pixels: the pictures all stand at that point of the
// target. Returns how many files were added.
int AddDroppedFiles(TEditorState& state, TDialogs& dialogs, TErrorLog& log,
                    const std::vector<TLayerRow>& selected, const TDropPlan& plan,
                    std::optional<QPoint> canvasPoint);

} // namespace velkon
