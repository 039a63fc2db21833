#pragma once

#include "model/animation.h"

#include <QString>
#include <array>
#include <cstdint>
#include <memory>

namespace velkon {

class TFilesItem;
class TPicture;

// A layer's reset state: what it looked like before playback started.
struct TSavedState {
    TFilesItem* FileItem = nullptr;
    double Top = 0, Left = 0, Width = 0, Height = 0, Alpha = 255, Angle = 0;
    int32_t Acceleration = 0;
    bool Visible = true;
    int32_t FlipMode = 0;
};

// One layer of the scene. What the player reads and writes on every tick comes
// first: the active tracks, the acceleration and the moved values in one cache
// line, the Base tracks right after.
class alignas(64) TImagesItem {
public:
    enum TAnimationIndex { animBase = 0, animTouch1 = 1, animTouch2 = 2, animTouch3 = 3 };

    std::array<TCommands*, 3> ActiveTracks{};
    int32_t Acceleration = 0;
    double Left = 0.0, Top = 0.0;
    double Angle = 0.0;
    double Alpha = 255.0;
    double Width = 0.0, Height = 0.0;
    TAnimation Base, Touch1, Touch2, Touch3;
    QString Name;
    const TPicture* Picture = nullptr; // not owned: the file item's picture
    TFilesItem* FileItem = nullptr; // not owned
    int32_t PlayAnim = 1;          // bit 0: Base starts on full play; bit 1: clicks start no touch
    bool TouchRunning = false;
    int32_t TouchIndex = 0;
    int32_t TouchLeft = 0, TouchTop = 0, TouchWidth = 0, TouchHeight = 0;
    double OrigoX = 0.0, OrigoY = 0.0;
    bool Visible = true;
    int32_t FlipMode = 0;
    bool Selected = false;
    TSavedState SavedState;
    bool Locked = false;
    QString Parent;
    std::array<int32_t, 4> CornersX{}, CornersY{}; // screen corners written by the renderer
    int32_t Group = 0;
    bool Shown = true;
    uint32_t ItemColor = 0xFFFFFF;
    int32_t ListState = 0;
    bool KeyframeEditing = false;
    bool Changed = false;          // changed mark: edited on the canvas or by the multiple page (keyframe editor reads it)
    // Geometry before the latest canvas edit, for the keyframe editor.
    double PrevTop = 0.0, PrevLeft = 0.0, PrevWidth = 0.0, PrevHeight = 0.0, PrevAngle = 0.0;
    // Geometry the inspector's multiple page rotates and scales from; taken
    // when one of its fields gets the focus.
    struct TMultiBase {
        double Left = 0.0, Top = 0.0, Width = 0.0, Height = 0.0, Angle = 0.0;
        bool Taken = false;
    } MultiBase;
    // Who the layer is to the undo ring: unique to every layer made, kept
    // through renames and moves, and taken over by the layer an undo makes
    // again in its place.
    uint64_t Id = NewId();

    // A layer on a file item with every default; its name is left to the caller
    // (normally TScene::UniqueLayerName of the file's name). fileItem may be null.
    explicit TImagesItem(TFilesItem* fileItem = nullptr);
    TImagesItem(const TImagesItem&) = delete;
    TImagesItem& operator=(const TImagesItem&) = delete;

    // Animation 0..3: Base, Touch1, Touch2, Touch3.
    TAnimation& Animation(int index);
    const TAnimation& Animation(int index) const;
    // Track 1..12: Base 1-3, Touch1 4-6, Touch2 7-9, Touch3 10-12.
    TCommands& TrackByNumber(int number);
    const TCommands& TrackByNumber(int number) const;

    // ActiveTracks := the animation's three tracks.
    void SelectAnimation(int index);
    // Which animation ActiveTracks belong to (0..3), or -1.
    int ActiveAnimation() const;
    // Whether any active track runs.
    bool AnyActiveTrackRunning() const;
    // Whether Touch1..Touch3 together hold a command.
    bool HasTouchCommands() const;

    // The start state that keyframe editing and playback return to. A new
    // layer starts with its own (the constructor saves it; the operations
    // that make layers save it again once they have placed them), so that a
    // layer made while keyframes are edited never returns to an empty state
    // without its file.
    void SaveState();
    void RestoreState();

    // Deep copy for undo snapshots: geometry, flags, the four animations, and
    // the active animation recorded in the copy's first active track.
    std::unique_ptr<TImagesItem> Clone() const;

    // A layer id never given before.
    static uint64_t NewId();
};

} // namespace velkon
