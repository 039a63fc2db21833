#include "panels/layers/layerlistview.h"

#include "editor/velkonapplication.h"

#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace velkon {

const char* const TLayerListView::RowsMimeType = "application/x-velkon-layer-rows";

TLayerListView::TLayerListView(QWidget* parent) : QTableView(parent) {
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
}

void TLayerListView::StartRowDrag() {
    auto* drag = new QDrag(this);
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(RowsMimeType), QByteArray("rows"));
    drag->setMimeData(mime);
    drag->exec(Qt::MoveAction);
}

void TLayerListView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && OnPress)
        TVelkonApplication::Guard(this, [&] { OnPress(event); });
    QTableView::mousePressEvent(event);
}

void TLayerListView::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && OnClick)
        TVelkonApplication::Guard(this, [&] { OnClick(event); });
}

void TLayerListView::mouseMoveEvent(QMouseEvent* event) {
    bool handled = false;
    if ((event->buttons() & Qt::LeftButton) && OnHeldMove)
        TVelkonApplication::Guard(this, [&] { handled = OnHeldMove(event); });
    if (!handled) QTableView::mouseMoveEvent(event);
}

void TLayerListView::keyPressEvent(QKeyEvent* event) {
    bool handled = false;
    if (OnKey) TVelkonApplication::Guard(this, [&] { handled = OnKey(event); });
    if (!handled) QTableView::keyPressEvent(event);
}

void TLayerListView::keyReleaseEvent(QKeyEvent* event) {
    QTableView::keyReleaseEvent(event);
    if (OnKeyRelease) TVelkonApplication::Guard(this, [&] { OnKeyRelease(event); });
}

void TLayerListView::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(QString::fromLatin1(RowsMimeType)))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TLayerListView::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasFormat(QString::fromLatin1(RowsMimeType)))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TLayerListView::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasFormat(QString::fromLatin1(RowsMimeType))) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    if (OnDrop) TVelkonApplication::Guard(this, [&] { OnDrop(event->position().toPoint()); });
}

} // namespace velkon
