#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

namespace velkon {

class TCanvasView;
class TEditorDocument;

// The window's key preview: every key pressed in the main window or in one
// of its panels, docked or floating, is first offered to the key map. A key
// the map gives a command runs its registered action; a key it leaves to the
// canvas goes to the canvas view; a field being typed into keeps its letters.
class TKeyRouter : public QObject {
    Q_OBJECT
public:
    // Watches the whole application from now on.
    TKeyRouter(TEditorDocument& document, QWidget* window, TCanvasView& canvas);
    ~TKeyRouter() override;

    // One key press; true when it was consumed. target: the widget the key
    // went to (null counts as the canvas).
    bool KeyDown(QKeyEvent* event, QWidget* target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TEditorDocument& document_;
    QWidget* window_;
    TCanvasView& canvas_;

    // Keys pressed in w reach the window's table (w is in the window or a panel of it).
    bool Watches(const QWidget* w) const;
    // Whether keys pressed in target are the window's own (no control is typed into).
    bool KeysForWindow(QWidget* target) const;
};

} // namespace velkon
