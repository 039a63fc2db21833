#pragma once

#include <QString>

#include <functional>

namespace velkon {

class TCommands;
class TDialogs;
class TEditorState;
class TImagesItem;

// The keyframe panel's path, bone and transposition tools. They set the tool
// mode and create the tool points (point -1 is the common origin O); the
// canvas drags the points and the renderer draws them.

// The layer's pose "x=..y=..w=..h=..a=..f=.." in whole numbers (halves to even).
QString PoseText(const TImagesItem& layer);
// Appends a KeyFrame command with the layer's pose, the given duration and the
// common origin (ox, oy) at the end of the track.
void AppendKeyFrame(TCommands& track, const TImagesItem& layer, const QString& duration, double ox,
                    double oy);

// Sets the tool mode and the point count to 0.
void SwitchToolOff(TEditorState& state);

// "Görbe vonal": a curve of n path points from O to 200 pixels right of it
// (mirrored to the left when that end lies beyond the target width). While a
// tool is active it switches the tool off instead. Nothing while playing.
void CurveToolClick(TEditorState& state, int n);
// "Ellipszis, kör": an ellipse round a centre 50 pixels left of O whose n + 1
// path points sweep 0..360 degrees (negated when inverse). While a tool is
// active it switches the tool off instead. Nothing while playing.
void EllipseToolClick(TEditorState& state, int n, bool inverse);
// "Inverz" clicked: the path points' parameters change sign (curve and ellipse).
void InverseClicked(TEditorState& state);

// Walks the active curve or ellipse path with the layer: at each path point
// (the first ellipse point is skipped when its angle is exactly 0) the layer is
// placed so that its origin keeps its offset from O (and turned along the path
// when autoRotate), then atPoint runs. Left, Top and Angle are restored after
// the walk. Does nothing outside the curve and ellipse modes.
void WalkPath(TEditorState& state, TImagesItem& layer, bool autoRotate,
              const std::function<void(TImagesItem&)>& atPoint);

// What "Görbe, kör, ellipszis koordináta parancsok" did.
struct TPathKeyframes {
    int Appended = 0; // keyframes appended over all layers
    int Columns = 0;  // keyframe columns for the last processed layer (its first track's count + 1)
};
// Appends one keyframe per path point to the first track of every selected
// layer (undo kind 24), with the given duration. Needs a curve or an ellipse
// and a selection; marks the project modified.
TPathKeyframes CreatePathKeyframes(TEditorState& state, bool autoRotate, const QString& duration);

// "Transzponálási pont megadása": point 1 20 pixels right of O (tool mode 3);
// while a tool is active it switches the tool off instead.
void TransposePointClick(TEditorState& state);
// "Kiválasztottak transzponálása": shifts the poses of the keyframes of the
// timeline columns left..right (column c is keyframe c - 1) of every selected
// member layer by point 1 - O (undo kind 27), then switches the tool off.
// Without the transpose point it creates the point instead and returns false.
bool TransposeSelected(TEditorState& state, int left, int right);

// "Csontvázas mozgatás" clicked (checked: the button's new state). While a
// tool is active it switches the tool off and the bone mode with it.
void BoneButtonClick(TEditorState& state, bool checked);
// The bone set-up: links the current layer with its parent (and the parent's
// parent) through tool points 1..3 with their lengths and angle offsets.
// Returns false, changing nothing, while playing, without exactly one selected
// layer or when the current layer has no parent.
bool BoneSetup(TEditorState& state);
// Moves the bone chain's layers after a drag of its points.
void RecomputeBones(TEditorState& state);
// The curve, the ellipse or the bones, whichever tool is active.
void RecomputeToolPoints(TEditorState& state);

// "Touch animoknál létrehozza az indító parancsot": every selected layer gets a
// StartOther of every other selected layer in its second track (undo kind 23),
// then the message. Returns the number of commands made.
int CreateStartCommands(TEditorState& state, TDialogs& dialogs);

} // namespace velkon
