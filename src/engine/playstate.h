#pragma once

#include "model/random.h"
#include "model/scene.h"

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace velkon {

class TCommandItem;
class TCommands;
class TImagesItem;
class TPicture;

// Everything a playback changes in the scene, taken at one moment so that it
// can be put back later: every layer's values, its active animation and touch
// state, each track's running command with that command's working state (start
// time, duration, ease, start values and targets, evaluated parameters), the
// loop counters, the scene's clock, random generator, time scale and playing
// flags. The player itself keeps nothing else: its per-track copies are
// found again by the tracks' stamps, and Put gives every track a new one.
//
// A state belongs to the scene's layers as they were when it was taken; it
// may only be put back while the scene holds the same layers (in any order).
class TPlayState {
public:
    void Take(const TScene& scene);
    // Puts the state back; false (and nothing changed) when the scene's layers
    // are no longer the ones it was taken of (their order may differ).
    bool Put(TScene& scene) const;
    bool Taken() const { return taken_; }
    // Memory the state holds, roughly (shared texts counted by their handle).
    size_t Bytes() const;

private:
    // The working state of a running command, as TPlayer::Prepare left it.
    struct TRun {
        TCommandItem* Item = nullptr;
        int32_t StartTime = 0, Duration = 0;
        uint32_t EaseFlags = 0;
        bool KeyAlpha = false;
        std::array<double, 12> Values{}; // start and target of left, top, angle, alpha, width, height
        std::array<double, 5> EaseCoef{};
        QString Value1, Value2, Value3;
        TImagesItem* Owner = nullptr;
    };
    // A loop's counter: the third parameter it counts down in.
    struct TLoop {
        TCommandItem* Item = nullptr;
        QString Counter;
    };
    struct TLayer {
        TImagesItem* Layer = nullptr;
        std::array<TCommands*, 3> ActiveTracks{};
        std::array<int32_t, 12> Current{};
        int32_t Acceleration = 0;
        double Left = 0, Top = 0, Angle = 0, Alpha = 0, Width = 0, Height = 0;
        const TPicture* Picture = nullptr;
        TFilesItem* FileItem = nullptr;
        bool TouchRunning = false, Visible = true, Selected = false;
        int32_t TouchIndex = 0, FlipMode = 0;
        TSavedState SavedState;
    };

    std::vector<TLayer> layers_;
    std::vector<TRun> runs_;
    std::vector<TLoop> loops_;
    TClock clock_;
    TRandom random_;
    int32_t timeScale_ = 1;
    bool playing_ = false, fullPlay_ = false, taken_ = false;
};

} // namespace velkon
