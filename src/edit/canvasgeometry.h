#pragma once

#include <cstdint>

namespace velkon {

class TEditorState;
class TImagesItem;
struct TRectI;

// Coordinate helpers of the canvas, shared by the interaction, the renderer
// and the tests.

// Window pixel to target pixel: round((window - frame offset) / zoom).
int32_t WindowToTargetX(const TEditorState& state, int32_t windowX);
int32_t WindowToTargetY(const TEditorState& state, int32_t windowY);
// Target pixel to window pixel.
int32_t TargetToWindowX(const TEditorState& state, double x);
int32_t TargetToWindowY(const TEditorState& state, double y);

// Writes the layer's Corners (window pixels, top-down) from its geometry, as
// the renderer's projection gives them: the picture's corners (0,0), (w,0),
// (w,h), (0,h) through the layer transform, flip included.
void ComputeCorners(const TEditorState& state, TImagesItem& layer);
// What a redraw pass stores for hit-testing, without drawing: the Corners of
// every Visible and Shown layer and the selection bounds (the union of the
// selected ones' corner bounds, empty without a selection).
void UpdateCornersAndSelectionBounds(TEditorState& state);
// Whether a window point lies in one of the triangles (1,2,3), (1,3,4) of the Corners.
bool CornersHit(const TImagesItem& layer, int32_t windowX, int32_t windowY);
// The rectangle from the first to the third corner, normalised.
TRectI CornerRect(const TImagesItem& layer);
// Smallest rectangle holding the four corners.
TRectI CornerBounds(const TImagesItem& layer);

} // namespace velkon
