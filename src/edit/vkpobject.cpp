#include "edit/vkpobject.h"

#include "edit/editorstate.h"
#include "model/commands.h"
#include "model/imagesitem.h"
#include "model/scene.h"

#include <QHash>
#include <algorithm>
#include <cstring>

namespace velkon {

uint64_t TTrackSnapshot::FingerprintOf(const TCommands& track) {
    // Multiply-fold mixing (two words per 64x64->128 multiply); the four
    // products of a command are independent, so they overlap in the CPU.
    auto mum = [](uint64_t a, uint64_t b) {
        const unsigned __int128 r = static_cast<unsigned __int128>(a) * b;
        return static_cast<uint64_t>(r) ^ static_cast<uint64_t>(r >> 64);
    };
    auto addr = [](const QString& s) {
        return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(s.constData()));
    };
    auto bits = [](double v) {
        uint64_t u;
        std::memcpy(&u, &v, sizeof u);
        return u;
    };
    uint64_t h = 0x2d358dccaa6c78a5ull ^ static_cast<uint64_t>(track.Count());
    for (int i = 0; i < track.Count(); ++i) {
        const TCommandItem* c = track.Item(i);
        const QString& name = track.Name(i);
        const uint64_t m1 =
            mum(addr(c->sParam1) ^ 0xa0761d6478bd642full, addr(c->sParam2) ^ 0xe7037ed1a0b428dbull);
        const uint64_t m2 = mum(addr(c->sParam3) ^ 0x8ebc6af09c88c6e3ull, addr(name) ^ 0x589965cc75374cc3ull);
        const uint64_t m3 = mum(bits(c->OX) ^ 0x1d8e4e27c47d124full, bits(c->OY) ^ 0x9e3779b97f4a7c15ull);
        const uint64_t sizes1 =
            static_cast<uint32_t>(c->sParam1.size()) | static_cast<uint64_t>(c->sParam2.size()) << 32;
        const uint64_t sizes2 = static_cast<uint32_t>(c->sParam3.size()) | static_cast<uint64_t>(name.size())
                                                                               << 32;
        const uint64_t m4 = mum(sizes1 ^ 0xbf58476d1ce4e5b9ull,
                                (sizes2 + static_cast<uint32_t>(c->Command)) ^ 0x94d049bb133111ebull);
        h = mum(h ^ m1 ^ m3, (h + m2) ^ m4 ^ 0x2127599bf4325c37ull);
    }
    return h;
}

bool TTrackSnapshot::Matches(const TCommands& track) const {
    return track.Current == Current && track.Count() == static_cast<int>(Items.size()) &&
           FingerprintOf(track) == Fingerprint;
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

std::shared_ptr<const TTrackSnapshot>
TTrackSnapshot::Capture(const TCommands& track, const std::shared_ptr<const TTrackSnapshot>& previous) {
    const uint64_t fingerprint = FingerprintOf(track);
    if (previous && previous->Current == track.Current &&
        static_cast<int>(previous->Items.size()) == track.Count() && previous->Fingerprint == fingerprint)
        return previous;
    auto s = std::make_shared<TTrackSnapshot>();
    s->Current = track.Current;
    s->Fingerprint = fingerprint;
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
           FlipMode == l.FlipMode && Acceleration == l.Acceleration && Locked == l.Locked &&
           Changed == l.Changed && Selected == l.Selected && Shown == l.Shown &&
           KeyframeEditing == l.KeyframeEditing && ItemColor == l.ItemColor &&
           ActiveAnimation == std::max(0, l.ActiveAnimation());
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

        // The usual case: nothing of the layer changed, share its copy whole.
        bool tracksSame = old != nullptr;
        for (int t = 0; t < 12 && tracksSame; ++t)
            tracksSame = old->Tracks[t]->Matches(layer.TrackByNumber(t + 1));
        if (tracksSame && old->FieldsMatch(layer)) {
            Layers.emplace_back(name, *oldShared);
            continue;
        }
        auto copy = std::make_shared<TLayerSnapshot>();
        copy->CaptureFields(layer);
        for (int t = 0; t < 12; ++t)
            copy->Tracks[t] = tracksSame ? old->Tracks[t]
                                         : TTrackSnapshot::Capture(layer.TrackByNumber(t + 1),
                                                                   old ? old->Tracks[t] : noTrack);
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
