#include "edit/selection.h"

#include "edit/editorstate.h"
#include "engine/motionmath.h"
#include "model/scene.h"

#include <QSet>
#include <algorithm>
#include <cmath>
#include <vector>

namespace velkon {

namespace {

// Bounds are stored as ints: a layer at the end of the range (Left
// 2147483647, which the file allows) is clamped there instead of wrapping.
int32_t RoundI(double v) {
    return RoundToInt(v);
}

void AddToBounds(TRectI& bounds, bool& any, const TImagesItem& l) {
    const TRectI r{RoundI(l.Left), RoundI(l.Top), RoundI(l.Left + l.Width), RoundI(l.Top + l.Height)};
    if (!any) {
        bounds = r;
        any = true;
        return;
    }
    bounds.Left = std::min(bounds.Left, r.Left);
    bounds.Top = std::min(bounds.Top, r.Top);
    bounds.Right = std::max(bounds.Right, r.Right);
    bounds.Bottom = std::max(bounds.Bottom, r.Bottom);
}

} // namespace

void RecomputeSelection(TEditorState& state) {
    TScene& scene = state.Scene;
    scene.SelectedCount = 0;
    scene.CurrentLayer = nullptr;
    state.SceneSelectionBounds = {};
    bool any = false;
    std::vector<int32_t> signature;
    TImagesItem* key = nullptr;
    TImagesItem* last = nullptr;

    auto take = [&](int i, TImagesItem* l) {
        ++scene.SelectedCount;
        AddToBounds(state.SceneSelectionBounds, any, *l);
        if (state.MarkListEntry) state.MarkListEntry(i);
        signature.push_back(i);
        last = l;
    };

    for (int i = 0; i < scene.Layers.Count(); ++i) {
        TImagesItem* l = scene.Layers.At(i);
        if (!l->Selected) continue;
        take(i, l);
        if (l->ListState == 1 || (!key && l->ListState == 3)) key = l;
    }

    // Group editing: a selected layer drags its whole sub-tree along.
    if (state.SkeltonDown && scene.SelectedCount > 0) {
        bool added = true;
        while (added) {
            added = false;
            QSet<QString> parents;
            for (int i = 0; i < scene.Layers.Count(); ++i)
                if (scene.Layers.At(i)->Selected) parents.insert(scene.Layers.Name(i).toCaseFolded());
            for (int i = 0; i < scene.Layers.Count(); ++i) {
                TImagesItem* l = scene.Layers.At(i);
                if (l->Selected || l->Parent.isEmpty() || !parents.contains(l->Parent.toCaseFolded()))
                    continue;
                l->Selected = true;
                take(i, l);
                added = true;
            }
        }
    }

    // A group's row stays selected only while all of its members are.
    for (int g = 0; g < static_cast<int>(scene.GroupStates.size()); ++g) {
        TGroupState& group = scene.GroupStates[static_cast<size_t>(g)];
        if (!group.Selected) continue;
        for (int i = 0; i < scene.Layers.Count() && group.Selected; ++i) {
            const TImagesItem& l = *scene.Layers.At(i);
            if (l.Group == g + 1 && !l.Selected) group.Selected = 0;
        }
    }

    // Layers a group drag adds come after the directly selected ones.
    std::sort(signature.begin(), signature.end());
    const bool changed = signature != state.SelectionSignature;
    TToolPoint& origin = state.ToolPoint(-1);
    if (scene.SelectedCount > 0 && changed) {
        if (key) {
            origin.X = key->Left + key->OrigoX;
            origin.Y = key->Top + key->OrigoY;
            scene.CurrentLayer = key;
        } else {
            const TRectI& b = state.SceneSelectionBounds;
            origin.X = static_cast<double>((int64_t(b.Left) + b.Right) / 2);
            origin.Y = static_cast<double>((int64_t(b.Top) + b.Bottom) / 2);
        }
    }
    if (scene.SelectedCount == 1) {
        scene.CurrentLayer = last;
        if (changed) {
            origin.X = last->Left + last->OrigoX;
            origin.Y = last->Top + last->OrigoY;
        }
    }
    state.SelectionSignature = std::move(signature);
}

void SelectNoLayer(TScene& scene) {
    for (int i = 0; i < scene.Layers.Count(); ++i)
        scene.Layers.At(i)->Selected = false;
    for (TGroupState& group : scene.GroupStates)
        group.Selected = 0;
}

void SelectSingleLayer(TEditorState& state, TImagesItem* layer) {
    SelectNoLayer(state.Scene);
    if (layer) layer->Selected = true;
    RecomputeSelection(state);
    // The layer picked is the current one, also when its sub-tree came along with it.
    if (layer) state.Scene.CurrentLayer = layer;
}

TImagesItem* TopmostAncestor(const TScene& scene, TImagesItem& layer) {
    TImagesItem* at = &layer;
    QSet<const TImagesItem*> seen{at};
    while (!at->Parent.isEmpty()) {
        TImagesItem* parent = scene.Layers.Find(at->Parent);
        if (!parent || seen.contains(parent)) return &layer; // broken chain: the layer stands for itself
        seen.insert(parent);
        at = parent;
    }
    return at;
}

} // namespace velkon
