#pragma once

#include <QTableView>
#include <functional>

namespace velkon {

// The "Images" list's view. It hands presses, clicks, moves with the button
// held, keys and drops to the panel, which turns them into core operations;
// each hook runs guarded, so an error lands in the error log.
class TLayerListView : public QTableView {
    Q_OBJECT
public:
    explicit TLayerListView(QWidget* parent = nullptr);

    // The mime type of a drag of the list's own rows.
    static const char* const RowsMimeType;

    std::function<void(QMouseEvent*)> OnPress;    // left press, before the selection follows it
    std::function<void(QMouseEvent*)> OnClick;    // left release, after it
    std::function<bool(QMouseEvent*)> OnHeldMove; // true: handled, the view does nothing more
    std::function<void(QPoint pos)> OnDrop;       // a drop of rows, in viewport coordinates
    std::function<bool(QKeyEvent*)> OnKey;        // true: handled
    std::function<void(QKeyEvent*)> OnKeyRelease;

    // Drags the selected rows; returns when the drop is over.
    void StartRowDrag();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

} // namespace velkon
