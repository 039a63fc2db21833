#pragma once

#include <QString>

namespace velkon {

class TEditorState;
class TImagesItem;
class TScene;

// Selection services shared by the canvas, undo and the panels.

// Counts the selected layers, finds the current layer, the unrotated bounds
// and the signature; with group editing on, selects the sub-trees of the
// selected layers; moves the common origin when the selection changed. A
// selected group row whose members are no longer all selected is deselected.
void RecomputeSelection(TEditorState& state);
// Clears every layer's Selected flag and every group row's.
void SelectNoLayer(TScene& scene);
// Selects one layer (or none) and recomputes the selection: with group
// editing its sub-tree comes along, the common origin moves to it, and the
// layer is the current one.
void SelectSingleLayer(TEditorState& state, TImagesItem* layer);
// The last layer reached through Parent names. A Parent that names no layer,
// or a chain that loops, ends the walk with the layer itself.
TImagesItem* TopmostAncestor(const TScene& scene, TImagesItem& layer);

} // namespace velkon
