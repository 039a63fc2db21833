#pragma once

#include "edit/canvasinteraction.h"

#include <QImage>
#include <QScrollArea>
#include <functional>

class QKeyEvent;
class QMenu;
class QMouseEvent;

namespace velkon {

class TEditorDocument;
class TEditorState;
class TOGLRenderPanel;
class TScene;
struct TRenderOptions;

// The canvas in its scroll box ("ScrollBox1"): the panel around it
// ("Panel5"), the OpenGL canvas, its pop-up menu, and the mouse, wheel and
// key editing on it (through the core's canvas interaction). It sizes itself
// to the resolution, reads frames back for the photo and the pack, and
// registers the commands that need the frame or the pointer: pack, photo,
// zoom and the helper lines.
class TCanvasView : public QScrollArea {
    Q_OBJECT
public:
    TCanvasView(TEditorDocument& document, QWidget* parent = nullptr);

    QWidget* Panel5;
    TOGLRenderPanel* OGLRenderPanel;
    QMenu* EditorPopupMenu;
    // Mouse and keyboard editing on the canvas.
    TCanvasInteraction Interaction;
    // The milliseconds the click guard measures with; tests set their own clock.
    std::function<uint32_t()> TickCount;
    // The view switches of the tool bar, added to what the canvas draws.
    std::function<void(TRenderOptions&)> ViewOptions;
    // The last frame read back (screenshot and pack).
    QImage ScreenshotPicture;

    // The pop-up menu's entries: the registered commands of the layout and the view.
    void FillPopupMenu();
    // Sizes the panel and the canvas to the scene's resolution and redraws.
    void ApplyResolution();
    TRenderOptions RenderOptions() const;
    void RequestRedraw();
    // Frame read-back: the target frame as a 24-bit picture, top row first.
    QImage ReadFrame(bool editingMarks = true);
    // Canvas position of the pointer, in target pixels.
    QPoint PointerTarget() const;
    // Ctrl+wheel and numeric-pad zoom step.
    void ZoomStep(int delta);
    // Zoom 1, no offset, scrolled home.
    void ResetView();
    // The photo: the frame saved as a PNG beside the project, under a name asked for.
    void Photo();

    // Whether w is the canvas or the area around it.
    bool IsCanvasArea(const QWidget* w) const;
    // The canvas's own keys (the marquee's S, the arrows, the cursor hints of
    // Alt and Ctrl) once the key map left the key to it; true when consumed.
    bool KeyDown(QKeyEvent* event, QWidget* target);
    void KeyUp(QKeyEvent* event);
    // Holding Alt or Ctrl over the selection shows what a drag would do.
    void ShowKeyHint(Qt::KeyboardModifiers mods);
    // The marquee switch went down by hand: the cursor says so.
    void ShowSelectMode(bool down);

signals:
    // What the canvas has to say in the status line; red marks a warning.
    void StatusChanged(const QString& text, bool red);
    void StatusText(const QString& text);
    // Frames per second while playing.
    void FpsMeasured(int fps);
    // The resolution applied (its index in the presets).
    void ResolutionApplied(int index);
    // The marquee switch changed from here (S, or a marquee ended).
    void SelectModeChanged(bool down);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TEditorDocument& document_;
    TScene& scene_;
    TEditorState& state_;

    void CreateCanvas();
    void RegisterActions();
    void ConnectInteraction();
    void MouseDown(QMouseEvent* event);
    void MouseMove(QMouseEvent* event);
    void MouseUp(QMouseEvent* event);
    // Sizes the interaction needs for panning and zoom centring.
    void SyncInteractionSizes();
    // Status line, its colour and the cursor from the interaction.
    void ShowInteraction();
};

// Shift, Alt, Ctrl and the mouse buttons as the core's shift state.
TShiftState ShiftOf(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons = Qt::NoButton);

} // namespace velkon
