#pragma once

namespace velkon {

class TEditorState;

// Recomputes the generated points of the active keyframe tool from its
// defining points: the curve's path points from points 1-4, the ellipse's
// path points from its centre, axes and start angle. The bone tool keeps its
// joint data with the keyframe editor, which recomputes bone poses itself.
void RecomputeCurveAndEllipse(TEditorState& state);

} // namespace velkon
