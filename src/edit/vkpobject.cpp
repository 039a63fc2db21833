#include "edit/vkpobject.h"

#include "edit/editorstate.h"
#include "model/commands.h"
#include "model/imagesitem.h"
#include "model/scene.h"

#include <QHash>
#include <algorithm>
#include <bit>

namespace velkon {

namespace {

uint64_t Bits(double v) {
    return std::bit_cast<uint64_t>(v);
}

uint64_t DataOf(const QString& s) {
    return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(s.data_ptr().data()));
}

// Equal texts, by their data when they share it.
bool SameText(const QString& a, const QString& b) {
    return (DataOf(a) == DataOf(b) && a.size() == b.size()) || a == b;
}

// Equal as a deep copy would keep it: the same characters, and null only with null.
bool EqualText(const QString& a, const QString& b) {
    return a.isNull() == b.isNull() && a == b;
}

// Whether the kept text still equals the live one. The same data and length
// settle it without reading a character (the kept reference stops the live
// text from changing that data in place); otherwise the characters decide,
// and an equal live text is taken over so that its data match next time.
bool KeepText(const QString& live, QString& kept) {
    if (DataOf(live) == DataOf(kept) && live.size() == kept.size()) return true; // null: both nullptr
    if (!EqualText(live, kept)) return false;
    kept = live;
    return true;
}

} // namespace

bool TTrackSnapshot::Matches(const TCommands& track) const {
    const int n = track.Count();
    if (track.Current != Current || n != static_cast<int>(Items.size())) return false;
    for (int i = 0; i < n; ++i) {
        const TCommandItem& c = *track.Item(i);
        const QString& name = track.Name(i);
        const TCommandSnapshot& s = Items[i];
        // One test for the usual case that nothing changed; a difference in
        // the data of a text alone is looked at closer below.
        const uint64_t scalars = static_cast<uint32_t>(c.Command ^ s.Command) | (Bits(c.OX) ^ Bits(s.OX)) |
                                 (Bits(c.OY) ^ Bits(s.OY));
        if (scalars) return false;
        const uint64_t texts = (DataOf(name) ^ DataOf(s.Name)) | (DataOf(c.sParam1) ^ DataOf(s.sParam1)) |
                               (DataOf(c.sParam2) ^ DataOf(s.sParam2)) |
                               (DataOf(c.sParam3) ^ DataOf(s.sParam3)) |
                               static_cast<uint64_t>(name.size() ^ s.Name.size()) |
                               static_cast<uint64_t>(c.sParam1.size() ^ s.sParam1.size()) |
                               static_cast<uint64_t>(c.sParam2.size() ^ s.sParam2.size()) |
                               static_cast<uint64_t>(c.sParam3.size() ^ s.sParam3.size());
        if (texts && !(KeepText(name, s.Name) && KeepText(c.sParam1, s.sParam1) &&
                       KeepText(c.sParam2, s.sParam2) && KeepText(c.sParam3, s.sParam3)))
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

std::shared_ptr<const TTrackSnapshot> TTrackSnapshot::Capture(const TCommands& track) {
    auto s = std::make_shared<TTrackSnapshot>();
    s->Current = track.Current;
    s->Items.reserve(track.Count());
    for (int i = 0; i < track.Count(); ++i) {
        const TCommandItem* c = track.Item(i);
        s->Items.push_back({track.Name(i), c->sParam1, c->sParam2, c->sParam3, c->OX, c->OY, c->Command});
    }
    return s;
}

bool TLayerSnapshot::FieldsMatch(const TImagesItem& l) const {
    // Reals bit for bit: -0 and 0 are different values to restore.
    const uint64_t reals = (Bits(Top) ^ Bits(l.Top)) | (Bits(Left) ^ Bits(l.Left)) |
                           (Bits(Width) ^ Bits(l.Width)) | (Bits(Height) ^ Bits(l.Height)) |
                           (Bits(Alpha) ^ Bits(l.Alpha)) | (Bits(Angle) ^ Bits(l.Angle)) |
                           (Bits(OrigoX) ^ Bits(l.OrigoX)) | (Bits(OrigoY) ^ Bits(l.OrigoY));
    return reals == 0 && TouchLeft == l.TouchLeft && TouchTop == l.TouchTop && TouchWidth == l.TouchWidth &&
           TouchHeight == l.TouchHeight && Visible == l.Visible && PlayAnim == l.PlayAnim &&
           Group == l.Group && FlipMode == l.FlipMode && Acceleration == l.Acceleration &&
           Locked == l.Locked && Changed == l.Changed && Selected == l.Selected && Shown == l.Shown &&
           KeyframeEditing == l.KeyframeEditing && ItemColor == l.ItemColor &&
           ActiveAnimation == std::max(0, l.ActiveAnimation()) && KeepText(l.Parent, Parent);
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
        if (!previous) return nullptr;
        if (i < static_cast<int>(previous->Layers.size()) && SameText(previous->Layers[i].first, name))
            return &previous->Layers[i].second;
        if (previousByName.isEmpty())
            for (int j = static_cast<int>(previous->Layers.size()) - 1; j >= 0; --j)
                previousByName.insert(previous->Layers[j].first, j);
        auto it = previousByName.constFind(name);
        return it == previousByName.cend() ? nullptr : &previous->Layers[*it].second;
    };

    for (int i = 0; i < scene.Layers.Count(); ++i) {
        const QString& name = scene.Layers.Name(i);
        const TImagesItem& layer = *scene.Layers.At(i);
        const std::shared_ptr<const TLayerSnapshot>* oldShared = previousEntry(i, name);
        const TLayerSnapshot* old = oldShared ? oldShared->get() : nullptr;

        std::array<bool, 12> trackSame{};
        bool allSame = old != nullptr;
        if (old)
            for (int t = 0; t < 12; ++t)
                allSame &= trackSame[t] = old->Tracks[t]->Matches(layer.TrackByNumber(t + 1));
        // The usual case: nothing of the layer changed, share its copy whole.
        if (allSame && old->FieldsMatch(layer)) {
            Layers.emplace_back(name, *oldShared);
            continue;
        }
        auto copy = std::make_shared<TLayerSnapshot>();
        copy->CaptureFields(layer);
        for (int t = 0; t < 12; ++t)
            copy->Tracks[t] =
                trackSame[t] ? old->Tracks[t] : TTrackSnapshot::Capture(layer.TrackByNumber(t + 1));
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
        if (!l) continue;
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
