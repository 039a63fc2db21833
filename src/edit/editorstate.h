#pragma once

#include "edit/notice.h"
#include "edit/undobuffer.h"
#include "model/scene.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace velkon {

class TErrorLog;
class TImagesItem;

// One point of the keyframe tools; index -1 is the common origin.
struct TToolPoint {
    double X = 0, Y = 0;          // target pixels
    uint32_t Color = 0x01010101;  // 0x00BBGGRR; 0x01010101: not drawn
    double Param = 0;             // curve t, ellipse angle or joint angle
    TImagesItem* Layer = nullptr; // bone points: the layer the point belongs to
    double Length = 0;            // bone points: length of the bone to the previous point
    double AngleOffset = 0;       // bone points: bone direction minus the layer's angle at set-up
};

// Window-pixel rectangle.
struct TRectI {
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool operator==(const TRectI&) const = default;
};

// Everything the editor knows besides the scene: the view, the tool points
// and the common origin, the keyframe panel's position. Panels and the canvas
// hold a reference to the one instance and change it through core operations.
// What the canvas's tool points are for while the path tools are on.
enum class TToolMode {
    None,      // no tool: the points are not shown
    Curve,     // a Bezier curve through four points
    Ellipse,   // an ellipse or circle
    Transpose, // the point a selection's commands are moved to
    Bone,      // moving a layer with its bones
};

class TEditorState {
public:
    explicit TEditorState(TScene& scene) : Scene(scene) { ToolPoint(-1) = {512, 384, 0x0000FF, 0, nullptr}; }

    TScene& Scene;

    // View.
    double Zoom = 1.0; // 0.5 .. 2.0
    int32_t FrameOffsetX = 0, FrameOffsetY = 0;
    int32_t CanvasWidth = 1024, CanvasHeight = 768;
    int32_t TargetWidth = 1024, TargetHeight = 768;
    TRectI SelectionBounds; // window pixels, written by the renderer

    // Tool points: index -1 is the common origin, 0 carries no point, 1..ToolCount the tool's points.
    static constexpr int MaxToolPoints = 1024;
    TToolPoint& ToolPoint(int index) { return toolPoints_.at(index + 1); }
    const TToolPoint& ToolPoint(int index) const { return toolPoints_.at(index + 1); }
    int32_t ToolCount = 0;
    int32_t GrabbedPoint = 0;
    TToolMode ToolMode = TToolMode::None;

    // Keyframe panel state that undo snapshots carry.
    int32_t KeyFrameIndex = 0;
    int32_t KeyFrameColCount = 0;
    int32_t KeyFrameCol = 0;
    bool KeyframeMode = false; // keyframe editing mode is on
    bool SkeltonDown = true;   // SkeltonSpeedButton
    bool LinkDown = true;      // LinkSpeedButton
    bool BoneMode = false;
    // The keyframe editor's switches that other parts read (the command list,
    // the canvas's path walk, the renderer).
    int32_t AnimSelect = 0;                     // AnimSelectComboBox: 0 Base, 1..3 Touch1..Touch3
    QString AutoDuration = QStringLiteral("1"); // AutoDurationEdit, the user's decimal form
    bool KeyframePlaying = false;               // its play button is down
    bool Scrubbing = false; // the time scrubber shows a moment of the playback, not the edited state
    bool InverseSweep = false;                  // InverzCheckBox
    bool AutoRotate = false;                    // AutoRotateCheckBox
    bool GroupEditDown = false;                 // group editing ("Csoportos szerkesztés [ALT+G]")
    int32_t CommandListTab = 1;                 // the command list's shown tab (1..3)
    // Keyframe stores: whether the members still show what was last applied
    // or stored, and whether this run of changes has its store step already.
    // Every undo step of another kind clears both (see TUndoBuffer::Record),
    // and every change of a layer's geometry, the bone chain or the common
    // origin on the canvas clears the first (it records no step of its own).
    bool KeyframePoseClean = false;
    bool KeyframeStoreRecorded = false;

    // Selection (recompute selection keeps these).
    // The selected indices of the last selection seen, in list order; empty
    // optional after a reset, so that the next selection counts as new.
    std::optional<std::vector<int32_t>> SelectionSignature;
    TRectI SceneSelectionBounds;   // unrotated bounds of the selected layers, target pixels
    bool SelectModeDown = false;   // SelectModeSpeedButton: the next drag is a marquee

    // Where undo steps and notices are shown; null shows nothing.
    TErrorLog* Log = nullptr;
    // The undo ring.
    TUndoBuffer Undo{*this};

    // Calls out to the panels; any may stay empty.
    std::function<void()> RefreshPanels;          // layer and property panels
    std::function<void(int index)> MarkListEntry; // layers panel: mark a selected layer's row
    std::function<void()> RecomputeToolPoints;    // the active keyframe tool's generated points
    // The layer the panels last reported; reset to make them refresh.
    const TImagesItem* LastReportedLayer = nullptr;
    // The current layer's values (place, size, angle) changed on the canvas:
    // once per drag step and per nudge. Panels subscribe to refresh their fields.
    TNotice LayerValuesChanged;

private:
    std::array<TToolPoint, MaxToolPoints + 2> toolPoints_{};
};

} // namespace velkon
