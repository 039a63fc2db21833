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
    // Only data the text owns; characters it merely points at (fromRawData)
    // may change under it, and the step was taken with the characters it kept.
    if (live.data_ptr().isMutable()) kept = live;
    return true;
}

// How many commands ahead the comparison asks for the live commands.
constexpr int kReadAhead = 12;

// Offsets of the lines of a command that a comparison reads, taken from a
// real command so that nothing depends on the layout.
struct TCommandLines {
    std::array<ptrdiff_t, 4> Offset;
    TCommandLines() {
        const TCommandItem c;
        const char* base = reinterpret_cast<const char*>(&c);
        auto at = [&](const void* p) { return reinterpret_cast<const char*>(p) - base; };
        // Command sits in the first line, OX and OY near the end.
        Offset = {0, at(&c.sParam1()), at(&c.sParam3() + 1) - 1, static_cast<ptrdiff_t>(sizeof c) - 1};
    }
};

const TCommandLines commandLines;

void ReadAhead(uintptr_t command) {
    if (!command) return;
    for (ptrdiff_t o : commandLines.Offset)
        __builtin_prefetch(reinterpret_cast<const char*>(command + o));
}

bool SameCommand(const TCommandItem& c, const QString& name, const TCommandSnapshot& s) {
    // One test for the usual case that nothing changed; a difference in the
    // data of a text alone is looked at closer.
    const uint64_t scalars =
        static_cast<uint32_t>(c.Command() ^ s.Command) | (Bits(c.OX()) ^ Bits(s.OX)) | (Bits(c.OY()) ^ Bits(s.OY));
    if (scalars) return false;
    const uint64_t texts = (DataOf(name) ^ DataOf(s.Name)) | (DataOf(c.sParam1()) ^ DataOf(s.sParam1)) |
                           (DataOf(c.sParam2()) ^ DataOf(s.sParam2)) | (DataOf(c.sParam3()) ^ DataOf(s.sParam3)) |
                           static_cast<uint64_t>(name.size() ^ s.Name.size()) |
                           static_cast<uint64_t>(c.sParam1().size() ^ s.sParam1.size()) |
                           static_cast<uint64_t>(c.sParam2().size() ^ s.sParam2.size()) |
                           static_cast<uint64_t>(c.sParam3().size() ^ s.sParam3.size());
    return !texts || (KeepText(name, s.Name) && KeepText(c.sParam1(), s.sParam1) &&
                      KeepText(c.sParam2(), s.sParam2) && KeepText(c.sParam3(), s.sParam3));
}

} // namespace

bool TLayerCommands::Matches(const TImagesItem& layer, const TLayerCommands* next) const {
    uint32_t unknown = 0; // tracks whose stamps do not settle them
    for (int t = 0; t < 12; ++t) {
        const TCommands& track = layer.TrackByNumber(t + 1);
        if (track.Current != Current[t] || track.Count() != Start[t + 1] - Start[t]) return false;
        if (track.Stamp() != LiveStamp[t]) unknown |= 1u << t;
    }
    if (!unknown) return true;
    const int n = static_cast<int>(Items.size());
    const int nextCount = next ? static_cast<int>(next->Items.size()) : 0;
    if (next)
        for (uintptr_t list : next->TrackSource)
            __builtin_prefetch(reinterpret_cast<const char*>(list));
    for (int t = 0; t < 12; ++t) {
        if (!(unknown & (1u << t))) continue;
        const TCommands& track = layer.TrackByNumber(t + 1);
        for (int k = 0, j = Start[t]; k < track.Count(); ++k, ++j) {
            const int ahead = j + kReadAhead;
            if (ahead < n)
                ReadAhead(Items[ahead].Source);
            else if (ahead - n < nextCount)
                ReadAhead(next->Items[ahead - n].Source);
            if (!SameCommand(*track.Item(k), track.Name(k), Items[j])) return false;
        }
    }
    // Equal throughout: the stamps settle these tracks from now on.
    for (int t = 0; t < 12; ++t)
        if (unknown & (1u << t)) LiveStamp[t] = layer.TrackByNumber(t + 1).Stamp();
    return true;
}

TCommands TLayerCommands::Build(int number) const {
    TCommands track;
    for (int i = Start[number - 1]; i < Start[number]; ++i) {
        const TCommandSnapshot& s = Items[i];
        auto c = std::make_unique<TCommandItem>(s.Command, s.sParam1, s.sParam2, s.sParam3);
        c->SetOX(s.OX);
        c->SetOY(s.OY);
        track.Add(s.Name, std::move(c));
    }
    track.Current = Current[number - 1];
    return track;
}

std::shared_ptr<const TLayerCommands> TLayerCommands::Capture(const TImagesItem& layer) {
    auto s = std::make_shared<TLayerCommands>();
    int count = 0;
    for (int t = 1; t <= 12; ++t)
        count += layer.TrackByNumber(t).Count();
    s->Items.reserve(count);
    for (int t = 0; t < 12; ++t) {
        const TCommands& track = layer.TrackByNumber(t + 1);
        s->Current[t] = track.Current;
        s->Start[t] = static_cast<int>(s->Items.size());
        s->TrackSource[t] = track.IsEmpty() ? 0 : reinterpret_cast<uintptr_t>(&track.Name(0));
        s->LiveStamp[t] = track.Stamp();
        for (int i = 0; i < track.Count(); ++i) {
            const TCommandItem* c = track.Item(i);
            s->Items.push_back({track.Name(i), c->sParam1(), c->sParam2(), c->sParam3(), c->OX(), c->OY(),
                                c->Command(), reinterpret_cast<uintptr_t>(c)});
        }
    }
    s->Start[12] = static_cast<int>(s->Items.size());
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

    const int previousCount = previous ? static_cast<int>(previous->Layers.size()) : 0;
    for (int i = 0; i < scene.Layers.Count(); ++i) {
        const QString& name = scene.Layers.Name(i);
        const TImagesItem& layer = *scene.Layers.At(i);
        const std::shared_ptr<const TLayerSnapshot>* oldShared = previousEntry(i, name);
        const TLayerSnapshot* old = oldShared ? oldShared->get() : nullptr;
        // Usually the next layer is compared with the next copy.
        const TLayerCommands* next =
            i + 1 < previousCount ? previous->Layers[i + 1].second->Commands.get() : nullptr;

        const bool commandsSame = old && old->Commands->Matches(layer, next);
        // The usual case: nothing of the layer changed, share its copy whole.
        if (commandsSame && old->FieldsMatch(layer)) {
            Layers.emplace_back(name, *oldShared);
            continue;
        }
        auto copy = std::make_shared<TLayerSnapshot>();
        copy->CaptureFields(layer);
        copy->Commands = commandsSame ? old->Commands : TLayerCommands::Capture(layer);
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
        for (int t = 1; t <= 12; ++t) {
            TCommands& track = l->TrackByNumber(t);
            track = s.Commands->Build(t);
            s.Commands->LiveStamp[t - 1] = track.Stamp();
        }
        l->SelectAnimation(s.ActiveAnimation);
    }
}

} // namespace velkon
