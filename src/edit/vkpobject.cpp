#include "edit/vkpobject.h"

#include "edit/editorstate.h"
#include "model/commands.h"
#include "model/imagesitem.h"
#include "model/scene.h"

#include <QHash>
#include <algorithm>

namespace velkon {

namespace {

// Implicitly shared strings that still point at the same data are equal
// without reading them; that keeps the comparison of a large unchanged scene cheap.
inline bool SameText(const QString& a, const QString& b) {
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}

} // namespace

bool TTrackSnapshot::Matches(const TCommands& track) const {
    if (track.Current != Current || track.Count() != static_cast<int>(Items.size()))
        return false;
    for (int i = 0; i < track.Count(); ++i) {
        const TCommandSnapshot& s = Items[i];
        const TCommandItem* c = track.Item(i);
        if (c->Command != s.Command || c->OX != s.OX || c->OY != s.OY || !SameText(c->sParam1, s.sParam1) ||
            !SameText(c->sParam2, s.sParam2) || !SameText(c->sParam3, s.sParam3) || !SameText(track.Name(i), s.Name))
            return false;
    }
    return true;
}

TCommands TTrackSnapshot::Build() const {
    TCommands track;
    for (const TCommandSnapshot& s : Items) {
        auto c = std::make_unique<TCommandItem>();
        c->Command = s.Command;
        c->sParam1 = s.sParam1;
        c->sParam2 = s.sParam2;
        c->sParam3 = s.sParam3;
        c->OX = s.OX;
        c->OY = s.OY;
        track.Add(s.Name, std::move(c));
    }
    track.Current = Current;
    return track;
}

std::shared_ptr<const TTrackSnapshot> TTrackSnapshot::Capture(const TCommands& track,
                                                              const std::shared_ptr<const TTrackSnapshot>& previous) {
    if (previous && previous->Matches(track))
        return previous;
    auto s = std::make_shared<TTrackSnapshot>();
    s->Current = track.Current;
    s->Items.reserve(track.Count());
    for (int i = 0; i < track.Count(); ++i) {
        const TCommandItem* c = track.Item(i);
        s->Items.push_back({track.Name(i), c->Command, c->sParam1, c->sParam2, c->sParam3, c->OX, c->OY});
    }
    return s;
}

bool TLayerSnapshot::FieldsMatch(const TImagesItem& l) const {
    return Top == l.Top && Left == l.Left && Width == l.Width && Height == l.Height && Alpha == l.Alpha &&
           Angle == l.Angle && OrigoX == l.OrigoX && OrigoY == l.OrigoY && TouchLeft == l.TouchLeft &&
           TouchTop == l.TouchTop && TouchWidth == l.TouchWidth && TouchHeight == l.TouchHeight &&
           Visible == l.Visible && PlayAnim == l.PlayAnim && Parent == l.Parent && Group == l.Group &&
           FlipMode == l.FlipMode && Acceleration == l.Acceleration && Locked == l.Locked && Changed == l.Changed &&
           Selected == l.Selected && Shown == l.Shown && KeyframeEditing == l.KeyframeEditing &&
           ItemColor == l.ItemColor && ActiveAnimation == std::max(0, l.ActiveAnimation());
}

void TLayerSnapshot::CaptureFields(const TImagesItem& l) {
    Top = l.Top;
    Left = l.Left;
    Width = l.Width;
    Height = l.Height;
    Alpha = l.Alpha;
    Angle = l.Angle;
    OrigoX = l.OrigoX;
    OrigoY = l.OrigoY;
    TouchLeft = l.TouchLeft;
    TouchTop = l.TouchTop;
    TouchWidth = l.TouchWidth;
    TouchHeight = l.TouchHeight;
    Visible = l.Visible;
    PlayAnim = l.PlayAnim;
    Parent = l.Parent;
    Group = l.Group;
    FlipMode = l.FlipMode;
    Acceleration = l.Acceleration;
    Locked = l.Locked;
    Changed = l.Changed;
    Selected = l.Selected;
    Shown = l.Shown;
    KeyframeEditing = l.KeyframeEditing;
    ItemColor = l.ItemColor;
    ActiveAnimation = std::max(0, l.ActiveAnimation());
}

void TVKPObject::Capture(const TEditorState& state, int32_t kind, const TVKPObject* previous) {
    const TScene& scene = state.Scene;
    Layers.clear();
    Layers.reserve(scene.Layers.Count());

    // Previous copies are matched by position first (the usual case), by name
    // when the layer list changed in between.
    QHash<QString, int> previousByName;
    auto previousEntry = [&](int i, const QString& name) -> const std::shared_ptr<const TLayerSnapshot>* {
        if (!previous)
            return nullptr;
        if (i < static_cast<int>(previous->Layers.size()) && previous->Layers[i].first == name)
            return &previous->Layers[i].second;
        if (previousByName.isEmpty())
            for (int j = static_cast<int>(previous->Layers.size()) - 1; j >= 0; --j)
                previousByName.insert(previous->Layers[j].first, j);
        auto it = previousByName.constFind(name);
        return it == previousByName.cend() ? nullptr : &previous->Layers[*it].second;
    };

    static const std::shared_ptr<const TTrackSnapshot> noTrack;
    for (int i = 0; i < scene.Layers.Count(); ++i) {
        const QString& name = scene.Layers.Name(i);
        const TImagesItem& layer = *scene.Layers.At(i);
        const std::shared_ptr<const TLayerSnapshot>* oldShared = previousEntry(i, name);
        const TLayerSnapshot* old = oldShared ? oldShared->get() : nullptr;

        std::array<std::shared_ptr<const TTrackSnapshot>, 12> tracks;
        bool tracksSame = old != nullptr;
        for (int t = 0; t < 12; ++t) {
            tracks[t] = TTrackSnapshot::Capture(layer.TrackByNumber(t + 1), old ? old->Tracks[t] : noTrack);
            tracksSame = tracksSame && tracks[t] == old->Tracks[t];
        }
        if (tracksSame && old->FieldsMatch(layer)) {
            Layers.emplace_back(name, *oldShared);
            continue;
        }
        auto copy = std::make_shared<TLayerSnapshot>();
        copy->CaptureFields(layer);
        copy->Tracks = std::move(tracks);
        Layers.emplace_back(name, std::move(copy));
    }

    KeyFrameIndex = state.KeyFrameIndex;
    KeyFrameColCount = state.KeyframeMode ? state.KeyFrameColCount : -1;
    KeyFrameCol = state.KeyFrameCol;
    Kind = kind;
    OriginX = state.ToolPoint(-1).X;
    OriginY = state.ToolPoint(-1).Y;
}

void TVKPObject::RestoreLayers(TScene& scene) const {
    // The first layer of a name wins, ignoring case, as in every lookup.
    QHash<QString, TImagesItem*> byName;
    byName.reserve(scene.Layers.Count());
    for (int i = scene.Layers.Count() - 1; i >= 0; --i)
        byName.insert(scene.Layers.Name(i).toCaseFolded(), scene.Layers.At(i));

    for (const auto& [name, copy] : Layers) {
        TImagesItem* l = byName.value(name.toCaseFolded());
        if (!l)
            continue;
        const TLayerSnapshot& s = *copy;
        l->Top = s.Top;
        l->Left = s.Left;
        l->Width = s.Width;
        l->Height = s.Height;
        l->Alpha = s.Alpha;
        l->Angle = s.Angle;
        l->OrigoX = s.OrigoX;
        l->OrigoY = s.OrigoY;
        l->TouchLeft = s.TouchLeft;
        l->TouchTop = s.TouchTop;
        l->TouchWidth = s.TouchWidth;
        l->TouchHeight = s.TouchHeight;
        l->Visible = s.Visible;
        l->PlayAnim = s.PlayAnim;
        l->Parent = s.Parent;
        l->Group = s.Group;
        l->FlipMode = s.FlipMode;
        l->Acceleration = s.Acceleration;
        l->Locked = s.Locked;
        l->Changed = s.Changed;
        l->Selected = s.Selected;
        l->Shown = s.Shown;
        l->KeyframeEditing = s.KeyframeEditing;
        l->ItemColor = s.ItemColor;
        for (int t = 0; t < 12; ++t)
            l->TrackByNumber(t + 1) = s.Tracks[t]->Build();
        l->SelectAnimation(s.ActiveAnimation);
    }
}

} // namespace velkon
