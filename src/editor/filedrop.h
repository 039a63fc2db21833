#pragma once

#include "edit/droppedfiles.h"

#include <QObject>
#include <QPoint>
#include <optional>

class QDropEvent;
class QMimeData;
class QWidget;

namespace velkon {

class TEditorDocument;
class TImagesForm;

// Files dropped on the window: a project alone opens (after Open's question),
// pictures, sounds and particles dropped on the canvas or the layer list are
// added as the add buttons add them, a picture on the canvas at the drop
// point; the rest is refused with a log line. It watches the window, the
// canvas and the layer list; a drag is taken only when it carries a local
// file, and the layer list's own row drags pass by untouched.
class TFileDrop : public QObject {
    Q_OBJECT
public:
    TFileDrop(TEditorDocument& document, QWidget* window, QWidget* canvas, TImagesForm& images);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TEditorDocument& document_;
    QWidget* window_;
    QWidget* canvas_;
    TImagesForm& images_;
    QWidget* list_;

    static bool HasLocalFile(const QMimeData* mime);
    // Reads what a drop carries and where it landed, and runs it once the drag is over.
    void Take(QObject* watched, QDropEvent* drop);
    // Runs the drop once the drag is over: the question Open asks and the
    // add buttons' messages are modal, and the drag's source must not wait on them.
    void Drop(QObject* watched, std::vector<TDroppedItem> items, TDropTarget target,
              std::optional<QPoint> canvasPoint);
};

} // namespace velkon
