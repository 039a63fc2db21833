#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace velkon {

class TCommands;
class TEditorState;
class TImagesItem;
class TScene;

// The stored part of one command, as a snapshot keeps it. The texts share
// their data with the live command's texts, which is what makes comparing
// them cheap (see TTrackSnapshot::Matches).
struct TCommandSnapshot {
    mutable QString Name; // catalogue name the track lists it under
    mutable QString sParam1, sParam2, sParam3;
    double OX = 512.0, OY = 384.0;
    int32_t Command = 0;
};

// An immutable copy of one track. Snapshots share it as long as the live
// track stays equal, so a ring of steps that only move layers keeps one copy
// of the commands instead of 255.
struct TTrackSnapshot {
    int Current = -1;
    std::vector<TCommandSnapshot> Items;

    // Whether the live track equals this copy, field by field. A text is
    // compared by its data first: the copy holds a reference to the data it
    // took, so the live text can only change that data by detaching to new
    // data. Only when the data differ are the characters compared; an equal
    // text is then taken over into the copy (same value, the live data), so
    // the next step finds it by its data again.
    bool Matches(const TCommands& track) const;
    // A fresh track, as a deep copy of the captured one would be.
    TCommands Build() const;
    // A new copy of the live track.
    static std::shared_ptr<const TTrackSnapshot> Capture(const TCommands& track);
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
    std::array<std::shared_ptr<const TTrackSnapshot>, 12> Tracks;

    // Whether the plain fields equal the layer's (tracks are compared apart);
    // reals bit for bit, Parent as texts are in TTrackSnapshot::Matches.
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
