#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace velkon {

class TCommands;
class TCommandItem;
class TEditorState;
class TImagesItem;
class TScene;

// The stored part of one command, as a snapshot keeps it. The texts share
// their data with the live command's texts, which is what makes comparing
// them cheap (see TLayerCommands::Matches).
struct TCommandSnapshot {
    mutable QString Name; // catalogue name the track lists it under
    mutable QString sParam1, sParam2, sParam3;
    double OX = 512.0, OY = 384.0;
    int32_t Command = 0;
    // Where the live command was when this copy was taken. Only a hint of
    // which memory the next comparison reads; never dereferenced.
    uintptr_t Source = 0;
};

// An immutable copy of a layer's twelve tracks, one after the other in a
// single list. Snapshots share it as long as the live tracks stay equal, so a
// ring of steps that only move layers keeps one copy of the commands instead
// of 255, and comparing a layer reads one list.
struct TLayerCommands {
    std::array<int, 12> Current{};
    std::array<int, 13> Start{};             // track t is Items[Start[t - 1], Start[t])
    std::array<uintptr_t, 12> TrackSource{}; // where the live lists were; a hint like Source
    // Stamps of live lists known to hold exactly the commands of track t:
    // taken with the copy, when the copy is written back, and when a
    // comparison finds a list equal. A list keeps its stamp only while nothing
    // in it changes, so an equal stamp settles the track without reading it.
    mutable std::array<uint64_t, 12> LiveStamp{};
    std::vector<TCommandSnapshot> Items;

    // Whether the layer's live tracks equal this copy. A track whose stamp is
    // known is equal outright; any other is compared field by field. A text
    // is compared by its data first, and only when the data differ are the
    // characters compared; an equal text that owns its data is then taken
    // over into the copy (same value, the live data), so the next comparison
    // finds it by its data again. `next` is the copy the caller compares
    // next, if known: its live commands are asked for ahead.
    bool Matches(const TImagesItem& layer, const TLayerCommands* next) const;
    // Track 1..12 afresh, as a deep copy of the captured one would be.
    TCommands Build(int number) const;
    // A new copy of the layer's live tracks.
    static std::shared_ptr<const TLayerCommands> Capture(const TImagesItem& layer);
};

// An immutable copy of one layer: the fields a restore writes back, the
// twelve tracks and which animation was active.
struct TLayerSnapshot {
    double Top = 0, Left = 0, Width = 0, Height = 0, Alpha = 255, Angle = 0, OrigoX = 0, OrigoY = 0;
    int32_t TouchLeft = 0, TouchTop = 0, TouchWidth = 0, TouchHeight = 0;
    bool Visible = true;
    int32_t PlayAnim = 1;
    mutable QString Parent;
    int32_t Group = 0;
    int32_t FlipMode = 0;
    int32_t Acceleration = 0;
    bool Locked = false;
    bool Changed = false;
    bool Selected = false;
    bool Shown = true;
    bool KeyframeEditing = false;
    uint32_t ItemColor = 0xFFFFFF;
    int ActiveAnimation = 0;
    std::shared_ptr<const TLayerCommands> Commands;

    // Whether the plain fields equal the layer's (tracks are compared apart);
    // reals bit for bit, Parent as texts are in TLayerCommands::Matches.
    bool FieldsMatch(const TImagesItem& layer) const;
    void CaptureFields(const TImagesItem& layer);
};

// One undo step: every layer of the scene by name, the keyframe panel's
// position and the common origin.
class TVKPObject {
public:
    std::vector<std::pair<QString, std::shared_ptr<const TLayerSnapshot>>> Layers;
    int32_t KeyFrameIndex = 0;
    int32_t KeyFrameColCount = -1; // -1: keyframe editing was off
    int32_t KeyFrameCol = 0;
    int32_t Kind = 0; // always positive
    double OriginX = 0, OriginY = 0;

    // Fills the snapshot from the scene and the editor state. Layer copies
    // and tracks that equal those of `previous` are shared with it.
    void Capture(const TEditorState& state, int32_t kind, const TVKPObject* previous);
    // Writes every layer copy back into the layer of the same name; copies
    // whose layer no longer exists are skipped, and layers the snapshot does
    // not know are left alone. The keyframe fields and the origin are the
    // caller's.
    void RestoreLayers(TScene& scene) const;
};

} // namespace velkon
