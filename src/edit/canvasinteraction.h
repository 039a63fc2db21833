#pragma once

#include <QString>
#include <cstdint>
#include <functional>

namespace velkon {

class TEditorState;
class TImagesItem;

// Keys and buttons held with a mouse or key event.
enum TShiftFlag : uint32_t {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40,
};
using TShiftState = uint32_t;

// Pointer shape the canvas should show.
enum class TCanvasCursor { Default, Drag, SizeAll, Rotate, SizeNWSE, SizeNESW, SizeNS, SizeWE, HandPoint };

// Mouse and keyboard editing on the canvas: picking, marquee, moving,
// resizing, stretching and rotating the selection about the common origin,
// dragging tool points, panning, zoom and nudging. The canvas widget passes
// window pixels, the shift state and the tick count; the selection bounds and
// the layers' Corners are those the last redraw stored in the editor state.
//
// A canvas widget forwards its events (MouseDown/Move/Up with the event's
// shift state and the tick count, Wheel from the application's wheel hook and
// the numeric-pad keys, KeyUp, StartMarqueeMode on S, KeyboardNudge on the
// arrows), then shows Status, StatusRed and Cursor; the callbacks below do
// what only the widget can (scroll, redraw).
class TCanvasInteraction {
public:
    // Zone bits: what the pointer is over.
    enum : uint32_t {
        zoneRotate = 0x01,
        zoneInside = 0x02,
        zoneResize = 0x04,
        zoneDiagonal2 = 0x08, // a corner on the top-right/bottom-left diagonal
        zoneLeftSide = 0x10,  // a corner on the left: factors inverted
        zoneTopBottom = 0x20,
        zoneLeftRight = 0x40,
        zoneDragging = 0x80,
    };

    explicit TCanvasInteraction(TEditorState& state);

    void MouseDown(TShiftState shift, int32_t windowX, int32_t windowY, uint32_t nowMs);
    void MouseMove(TShiftState shift, int32_t windowX, int32_t windowY, uint32_t nowMs);
    void MouseUp(TShiftState shift, int32_t windowX, int32_t windowY);
    // Ctrl+wheel and the numeric-pad keys (delta +10/-10, shift Ctrl).
    // Returns whether the zoom was handled (the shift state was exactly Ctrl).
    bool Wheel(int delta, TShiftState lastKeyShift);
    // Arrow keys: move by (dx, dy), widen the selection by w, turn it by r degrees.
    void KeyboardNudge(double dx, double dy, double w, double r);
    // One arrow key with the keyboard's shift state: steps of 1, or 10 with
    // Shift; without Ctrl it moves, with Ctrl Left/Right narrow/widen and
    // Up/Down turn by -step/+step degrees. Returns false (and does nothing)
    // while nothing is selected.
    enum class TArrow { Left, Right, Up, Down };
    bool ArrowKey(TArrow arrow, TShiftState shift);
    // Key release: clears the axis lock without Shift, resets the Ctrl-click depth without Ctrl.
    void KeyUp(TShiftState shift);
    // S key: marquee mode for the next drag. Returns whether it was switched on.
    bool StartMarqueeMode(TShiftState shift);

    // Interaction state.
    int32_t PointerX = 0, PointerY = 0;   // target pixels
    int32_t PreviousX = 0, PreviousY = 0; // pointer at the previous drag step
    int32_t DownX = 0, DownY = 0;         // pointer at mouse down
    uint32_t DownTime = 0;
    TShiftState DownShift = 0;
    bool LeftDown = false;
    double PreviousAngle = 0;
    double TurnedAngle = 0;
    uint32_t Zone = 0;
    int32_t AxisLock = 0; // 0 undecided, 1 vertical only, 2 horizontal only
    int32_t CtrlClickDepth = 1;
    bool MarqueeActive = false;
    bool JustPanned = false;

    // What the canvas shows.
    QString Status;         // InfoLabel
    bool StatusRed = false; // the turned angle is beyond a full turn
    TCanvasCursor Cursor = TCanvasCursor::Default;

    // Sizes the widget reports: the panel the frame sits in, and the scroll box.
    int32_t PanelWidth = 0, PanelHeight = 0;
    int32_t ScrollBoxWidth = 0, ScrollBoxHeight = 0;

    // Calls out to the widget and the other panels; any may stay empty.
    std::function<void()> Redraw;
    std::function<void(int32_t dx, int32_t dy)> ScrollBy; // middle-button panning
    std::function<void(int32_t x, int32_t y)> ScrollTo;   // zoom centring on the current layer
    std::function<void()> ApplyResolution;                // frame offset or zoom changed
    std::function<void(TImagesItem&)> TouchStart;         // a click during full play
    std::function<void()> BoneSetup;                      // keyframe editor's bone set-up

private:
    // A click during full play: picks the touchable layer under the pointer and touches it.
    void TouchAt(TShiftState shift, int32_t windowX, int32_t windowY, int32_t rememberedCount);
    void DragSelection(TShiftState shift, TShiftState effective);
    // Middle-button panning of the scroll box, Ctrl+middle of the frame; true when it panned.
    bool Pan(TShiftState shift, int32_t lastX, int32_t lastY);
    // The zone and cursor under the pointer; the shift state a handle's drag acts with.
    TShiftState ZoneCursor(TShiftState shift);
    void DragToolPoint(TShiftState effective);
    // Returns the layer the walk stopped at, or null.
    const TImagesItem* PickLayers(TShiftState shift, int32_t windowX, int32_t windowY);
    int ToolPointAt(int32_t x, int32_t y) const;
    uint32_t ZoneAt(int32_t windowX, int32_t windowY) const;
    void ChangedGeometry(TImagesItem& layer);
    void RememberGeometry();
    void AfterToolPointsChanged();
    QString PositionStatus() const;

    TEditorState& state_;
};

} // namespace velkon
