#pragma once

#include "engine/clock.h"
#include "engine/playback.h"
#include "engine/player.h"
#include "engine/playstate.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

namespace velkon {

class TScene;

// How a scene is played on the virtual clock: the same for `velkon simulate`,
// `velkon render` and the editor's time scrubber, so that they agree.
struct TVirtualPlayOptions {
    int32_t Step = 1;                         // ms between two ticks
    uint32_t Seed = 1;
    int32_t TimeScale = 1;
    QList<QPair<QString, int32_t>> Touches;  // layer, time (a multiple of Step)
    QStringList Preview;                     // empty: full play
    bool AutoStop = true;
    bool Silent = false;                     // sound commands play nothing (the scrubber)
};

// A playback of the scene from time 0 on a virtual clock, as the editor's
// idle loop would play it: a tick every Step ms, touches at their times and
// the automatic stop once nothing runs. Start saves every layer and Stop (or
// the automatic stop, or the destructor) puts them back, as stopping
// playback in the editor does.
class TVirtualPlay {
public:
    TVirtualPlay(TScene& scene, const TVirtualPlayOptions& options);
    ~TVirtualPlay();
    TVirtualPlay(const TVirtualPlay&) = delete;
    TVirtualPlay& operator=(const TVirtualPlay&) = delete;

    // Seeds the random generator, sets the time scale, starts the playback at
    // time 0 and delivers the touches of time 0. Returns false when a layer
    // named by Preview or Touches is missing (CheckNames says which).
    bool Start();
    // Ticks the clock forward to time (rounded down to a multiple of Step;
    // times already passed change nothing).
    void AdvanceTo(int32_t time);
    // Stops the playback and restores every layer; harmless when stopped.
    void Stop();

    // The time of the last tick.
    int32_t Now() const { return now_; }
    // Whether the playback still runs (false before Start, after Stop and
    // after the automatic stop).
    bool Playing() const { return playing_; }
    // The tick at which the playback stopped by itself, or -1.
    int32_t StopTime() const { return stopTime_; }

    // Layers named by Preview or Touches that the scene lacks; empty when all are there.
    QString CheckNames() const;

    // A restore point of the playback: the scene's play state and the clock.
    // Restoring one goes on from there exactly as the playback went on then.
    struct TCheckpoint {
        TPlayState State;
        int32_t Now = 0;
        int32_t StopTime = -1;
        bool Playing = false;
    };
    void Save(TCheckpoint& checkpoint) const;
    // False (and nothing changed) when the scene's layers are not the ones of the checkpoint.
    bool Restore(const TCheckpoint& checkpoint);

    TPlayer& Player() { return player_; }
    // Errors of the tracks, with the time they happened at.
    std::function<void(int32_t time, const QString&)> OnError;

private:
    void TouchAt(int32_t time);

    TScene& scene_;
    TVirtualPlayOptions options_;
    TManualClock clock_;
    TPlayer player_;
    TPlayback playback_;
    int32_t now_ = 0;
    int32_t stopTime_ = -1;
    bool playing_ = false;
};

} // namespace velkon
