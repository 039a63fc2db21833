#pragma once

#include <QString>

namespace velkon {

class TEditorState;
class TImagesItem;

// One onion-skin step: applies the i-th command of each of the layer's three
// active tracks to its geometry without animation (MoveTo, RelativeMoveTo and
// KeyFrame on track 1, ReSize on track 2, Rotate on track 3). A parameter that
// is not a plain number ends the step silently; returns false then. The common
// origin is left as it was.
bool ApplyPhaseStep(TImagesItem& layer, int i, TEditorState& state);

// Whole number of a parameter as the phase display reads it; false when the
// text is not a plain (optionally signed) whole number.
bool PlainInt(const QString& text, int& value);

} // namespace velkon
