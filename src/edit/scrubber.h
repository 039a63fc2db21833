#pragma once

#include "engine/playstate.h"
#include "engine/virtualplay.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace velkon {

class TScene;

// The time scrubber: shows the scene as it is at a chosen moment of a full
// playback from the start on the virtual clock (the options of `velkon
// simulate`: seed 1, a tick every ms, auto stop, no touches; sounds stay
// silent). From the stop on the scene shows what the editor shows after a
// playback stops by itself: the edited state.
//
// A seek forward goes on from the state on show. A seek backward goes back
// to the newest checkpoint at or before the time and plays on from there:
// a checkpoint (every CheckpointEvery ms of scene time, taken as the play
// first passes it) holds the whole play state, never the project.
//
// Scrubbing changes the layers on show; Leave puts back exactly what was
// there before the first seek (values, animations, run state, loop
// counters, clock, random generator, time scale). Nothing may edit the scene
// while scrubbing: the editor leaves first.
class TScrubber {
public:
    // A checkpoint of the 2,000-layer benchmark scene takes about 1.7 MB, so
    // one every 100 ms keeps a step back within about 50 ticks of replay for
    // about 170 MB over 10 s (the cap below bounds longer scenes).
    explicit TScrubber(TScene& scene, int32_t checkpointEvery = 100);
    ~TScrubber();
    TScrubber(const TScrubber&) = delete;
    TScrubber& operator=(const TScrubber&) = delete;

    // Whether a scrubbed state is on show.
    bool Active() const { return play_ != nullptr; }
    // Shows the scene at time (ms, negative counts as 0); the first seek
    // keeps the edited state. False when the playback could not start (the
    // scene then stays as it was) or when a seek back finds other layers than
    // the checkpoints know (nothing may add or remove layers while scrubbing).
    bool Seek(int32_t time);
    // Back to the edited state; harmless when not scrubbing.
    void Leave();

    // The time on show (0 when not scrubbing).
    int32_t Time() const;
    // The time the playback stopped by itself, once the scrubber went that far; else -1.
    int32_t StopTime() const;
    size_t CheckpointCount() const { return marks_.size(); }
    size_t CheckpointBytes() const;
    int32_t CheckpointEvery() const { return every_; }
    // Milliseconds played since the first seek (seeks back play some again).
    int64_t TicksPlayed() const { return ticked_; }

    // At most this much memory goes to checkpoints; beyond it a seek back
    // plays on from the last one kept.
    size_t MaxCheckpointBytes = size_t(512) << 20;

    // An error of a track, once per time it happens at (a seek back that
    // plays the same moment again does not tell it twice).
    std::function<void(int32_t time, const QString& message)> OnError;

    // The playback options of the scrubber.
    static TVirtualPlayOptions PlayOptions();

private:
    void AdvanceTo(int32_t time);

    TScene& scene_;
    int32_t every_;
    TPlayState edited_;
    std::unique_ptr<TVirtualPlay> play_;
    std::vector<std::unique_ptr<TVirtualPlay::TCheckpoint>> marks_; // mark k: time k * every_
    size_t markBytes_ = 0;
    int32_t furthest_ = -1; // errors up to here were told
    int64_t ticked_ = 0;
};

} // namespace velkon
