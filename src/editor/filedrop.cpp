#include "editor/filedrop.h"

#include "edit/selection.h"
#include "editor/editordocument.h"
#include "editor/velkonapplication.h"
#include "panels/layers/imagesform.h"
#include "panels/layers/layerlistview.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QUrl>

namespace velkon {

TFileDrop::TFileDrop(TEditorDocument& document, QWidget* window, QWidget* canvas, TImagesForm& images)
    : QObject(window), document_(document), window_(window), canvas_(canvas), images_(images),
      list_(images.LayerListView->viewport()) {
    for (QWidget* w : {window_, canvas_, list_}) {
        w->setAcceptDrops(true);
        w->installEventFilter(this);
    }
}

bool TFileDrop::HasLocalFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) return false;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile()) return true;
    return false;
}

bool TFileDrop::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event); // enter and move events are drop events too
    // The layer list's own rows, and drags of anything but files, are not ours.
    if (!HasLocalFile(drop->mimeData())) return QObject::eventFilter(watched, event);
    drop->acceptProposedAction();
    if (type == QEvent::Drop) TVelkonApplication::Guard(watched, [&] { Take(watched, drop); });
    return true;
}

void TFileDrop::Take(QObject* watched, QDropEvent* drop) {
    std::vector<TDroppedItem> items;
    for (const QUrl& url : drop->mimeData()->urls())
        items.push_back(url.isLocalFile() ? TDroppedItem{url.toLocalFile(), true}
                                          : TDroppedItem{url.toDisplayString(), false});
    const TDropTarget target = watched == canvas_ ? TDropTarget::canvas
                               : watched == list_ ? TDropTarget::layerList
                                                  : TDropTarget::window;
    std::optional<QPoint> point;
    if (target == TDropTarget::canvas) point = drop->position().toPoint();
    QPointer<QObject> sender(watched);
    QTimer::singleShot(0, this, [this, sender, items = std::move(items), target, point]() mutable {
        Drop(sender ? sender.data() : this, std::move(items), target, point);
    });
}

void TFileDrop::Drop(QObject* watched, std::vector<TDroppedItem> items, TDropTarget target,
                     std::optional<QPoint> canvasPoint) {
    TVelkonApplication::Guard(watched, [&] {
        const TDropPlan plan = PlanDrop(items, target);
        if (!plan.Project.isEmpty()) {
            document_.OpenDroppedProject(plan.Project);
            return;
        }
        if (plan.Pictures.isEmpty() && plan.Sounds.isEmpty() && plan.Particles.isEmpty()) {
            AddDroppedFiles(document_.State, document_.Dialogs(), document_.Log, {}, plan, canvasPoint);
            return;
        }
        // What the add buttons do after an add, also when it stopped half-way:
        // the selection follows the new layer and every panel shows the files.
        const auto refresh = [this] {
            RecomputeSelection(document_.State);
            document_.Edited();
        };
        try {
            AddDroppedFiles(document_.State, document_.Dialogs(), document_.Log, images_.SelectedRows(), plan,
                            canvasPoint);
        } catch (...) {
            refresh();
            throw;
        }
        refresh();
    });
}

} // namespace velkon
