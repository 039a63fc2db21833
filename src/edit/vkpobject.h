#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace velkon {

class TCommands;
class TCommandItem;
class TEditorState;
class TFilesItem;
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

// An immutable copy of one layer: who it is, its key and name, its file, the
// fields a restore writes back, the twelve tracks and which animation was
// active.
struct TLayerSnapshot {
    uint64_t Id = 0;        // TImagesItem::Id of the layer
    mutable QString Key;    // its key in Layers
    mutable QString Name;
    TFilesItem* FileItem = nullptr;
    std::shared_ptr<TFilesItem> File; // keeps FileItem for a layer an undo makes again
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

    // Whether the plain fields, the key and the name equal the layer's
    // (tracks are compared apart); reals bit for bit, texts as in
    // TLayerCommands::Matches.
    bool FieldsMatch(const QString& key, const TImagesItem& layer) const;
    void CaptureFields(const QString& key, const TImagesItem& layer);
    // Writes the plain fields and the name back (the key is the list's).
    void RestoreFields(TImagesItem& layer) const;
};

// One resource file as a step keeps it: the item itself, shared with the
// scene (so a file that left the list comes back whole, its picture and
// sound included), under its key and name.
struct TFileEntry {
    mutable QString Key;
    std::shared_ptr<TFilesItem> Item;
    mutable QString Name;
};

// An immutable copy of the resource file list, shared by steps while the
// list stays the same.
struct TFilesSnapshot {
    std::vector<TFileEntry> Entries;

    bool Matches(const TScene& scene) const;
    static std::shared_ptr<const TFilesSnapshot> Capture(const TScene& scene);
};

// The layers panel's own flags of one group, as a step keeps them.
struct TGroupFlags {
    uint8_t Open = 0, Shown = 1, Locked = 0, Selected = 0;
    bool operator==(const TGroupFlags&) const = default;
};
using TGroupFlagTable = std::array<TGroupFlags, 256>;

// A file whose name an undo or redo changes back: renamed on disk first.
struct TFileRename {
    TFilesItem* Item = nullptr;
    QString From, To;
};

// One undo step: the whole editable state of the project (the layers in
// their order, the resource files, the groups with their flags, the helper
// lines), the keyframe panel's position and the common origin. Whatever did
// not change between steps is shared with the step before.
class TVKPObject {
public:
    std::vector<std::shared_ptr<const TLayerSnapshot>> Layers; // in list order
    std::shared_ptr<const TFilesSnapshot> Files;
    QStringList Groups;
    std::shared_ptr<const TGroupFlagTable> GroupFlags;
    QStringList Lines;
    int32_t KeyFrameIndex = 0;
    int32_t KeyFrameColCount = -1; // -1: keyframe editing was off
    int32_t KeyFrameCol = 0;
    int32_t Kind = 0; // always positive
    double OriginX = 0, OriginY = 0;

    // Fills the snapshot from the scene and the editor state. Layer copies
    // (found by their ids), tracks, the file list and the group flags that
    // equal those of `previous` are shared with it.
    void Capture(const TEditorState& state, int32_t kind, const TVKPObject* previous);
    // The files that carry another name in the scene than in this step, with
    // the paths a return to the step renames them between.
    std::vector<TFileRename> FileRenames() const;
    // Makes the scene what the step holds: the file list, the layers (the
    // live one of an id kept and written only where it differs, a missing one
    // made again, one the step does not know removed), their order, the
    // groups and the helper lines. Pointers to removed layers (the current
    // layer, tool points) are cleared. The keyframe fields and the origin are
    // the caller's; file names on disk must already be as FileRenames says.
    void Restore(TEditorState& state) const;
};

} // namespace velkon
