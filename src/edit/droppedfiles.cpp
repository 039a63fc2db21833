#include "edit/droppedfiles.h"

#include "edit/canvasgeometry.h"
#include "edit/editorstate.h"
#include "edit/layerops.h"
#include "model/errorlog.h"
#include "model/filesitem.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace velkon {

TDroppedKind DroppedKindOf(const QString& path) {
    const QString name = TFilesItem::FileNameOf(path);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0) return TDroppedKind::other;
    const QString ext = name.mid(dot + 1).toLower();
    if (ext == QLatin1String("vkp")) return TDroppedKind::project;
    if (ext == QLatin1String("png")) return TDroppedKind::picture;
    if (ext == QLatin1String("wav")) return TDroppedKind::sound;
    if (ext == QLatin1String("par")) return TDroppedKind::particle;
    return TDroppedKind::other;
}

TDropPlan PlanDrop(const std::vector<TDroppedItem>& items, TDropTarget target) {
    TDropPlan plan;
    QStringList projects;
    for (const TDroppedItem& item : items)
        if (item.Local && DroppedKindOf(item.Path) == TDroppedKind::project && !QFileInfo(item.Path).isDir())
            projects << item.Path;
    if (!projects.isEmpty()) {
        if (items.size() == 1)
            plan.Project = projects.front();
        else
            plan.Refusals << QCoreApplication::translate(
                                 "DroppedFiles", "Projekt csak magában húzható be, a behúzás elmaradt: %1")
                                 .arg(TFilesItem::FileNameOf(projects.front()));
        return plan;
    }
    const bool resourcesHere = target != TDropTarget::window;
    for (const TDroppedItem& item : items) {
        if (!item.Local) {
            plan.Refusals << QCoreApplication::translate("DroppedFiles", "Csak helyi fájl húzható be: %1")
                                 .arg(item.Path);
            continue;
        }
        if (QFileInfo(item.Path).isDir()) {
            plan.Refusals
                << QCoreApplication::translate("DroppedFiles", "Mappa nem húzható be: %1").arg(item.Path);
            continue;
        }
        const TDroppedKind kind = DroppedKindOf(item.Path);
        const QString name = TFilesItem::FileNameOf(item.Path);
        if (kind == TDroppedKind::other) {
            plan.Refusals
                << QCoreApplication::translate("DroppedFiles", "A fájl nem húzható be: %1").arg(name);
            continue;
        }
        if (!resourcesHere) {
            plan.Refusals << QCoreApplication::translate(
                                 "DroppedFiles",
                                 "Kép, hang és particle a vászonra vagy a rétegek listájára húzható: %1")
                                 .arg(name);
            continue;
        }
        (kind == TDroppedKind::picture ? plan.Pictures
         : kind == TDroppedKind::sound ? plan.Sounds
                                       : plan.Particles)
            << item.Path;
    }
    return plan;
}

int AddDroppedFiles(TEditorState& state, TDialogs& dialogs, TErrorLog& log,
                    const std::vector<TLayerRow>& selected, const TDropPlan& plan,
                    std::optional<QPoint> canvasPoint) {
    for (const QString& line : plan.Refusals)
        log.Add(line);
    std::optional<QPoint> at;
    if (canvasPoint)
        at = QPoint(WindowToTargetX(state, canvasPoint->x()), WindowToTargetY(state, canvasPoint->y()));
    int added = 0;
    if (!plan.Pictures.isEmpty()) added += AddPictureFiles(state, dialogs, log, selected, plan.Pictures, at);
    if (!plan.Sounds.isEmpty()) added += AddSoundFiles(state, dialogs, log, plan.Sounds);
    if (!plan.Particles.isEmpty()) added += AddParticleFiles(state, dialogs, log, plan.Particles);
    return added;
}

} // namespace velkon
