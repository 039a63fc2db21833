#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace velkon {

class TClockSource;
class TCommandItem;
class TCommands;
class TImagesItem;
class TScene;

// The command player: advances every running track of every layer on each
// tick, hands over from command to command at their nominal end times and
// runs the touch animations.
class TPlayer {
public:
    TPlayer(TScene& scene, TClockSource& clock);

    // Reads the clock and steps every running active track once (a run of
    // quick commands together with the command after it). Returns whether any
    // active track of any layer still runs. An error ends the tick where it
    // happened and goes to OnError; the next tick goes on from there.
    bool Tick();
    // LastTime := Now := the clock's reading, without stepping anything: the
    // clock stands still while nothing plays, so playback reads it before it
    // starts its tracks.
    void ReadClock();

    // Starts a track at its first command at the current time, emptying its loop counters.
    void StartTrack(TImagesItem& layer, TCommands& track);
    // Starts a track at command index (the keyframe editor plays from a chosen keyframe).
    void StartTrackAt(TImagesItem& layer, TCommands& track, int index);
    // Ends the track and empties its loop counters.
    void StopTrack(TCommands& track);
    // Moves the track by step commands (the new one starts at the nominal end
    // of the one before), or ends it after its last command.
    void Advance(TImagesItem& layer, TCommands& track, int64_t step);
    // Evaluates the current command's parameters and sets its start values,
    // targets and duration from the layer's current state.
    void Prepare(TImagesItem& layer, TCommands& track);
    // Start time of the current command plus its nominal duration.
    int32_t EndTime(const TCommands& track) const;
    // Starts the layer's next touch animation unless one runs already.
    void TouchStart(TImagesItem& layer);

    std::function<void(const QString&)> OnError;
    // Sound commands run (and tell their events) without playing anything.
    bool Silent = false;
    // "sfx play" / "sfx stop" with the file name, "touch" with the layer name.
    std::function<void(const QString& kind, const QString& name)> OnEvent;

private:
    void Step(TImagesItem& layer, TCommands& track);
    void StepMovement(TImagesItem& layer, TCommands& track);
    // The linear middle of a movement without ease or acceleration; false when
    // the command needs the full step.
    bool StepLinear(TImagesItem& layer, const TCommands& track) const;
    void StepInstant(TImagesItem& layer, TCommands& track);
    void StepLoop(TImagesItem& layer, TCommands& track);
    void PrepareAt(TImagesItem& layer, TCommands& track, int32_t startTime);
    void Event(const char* kind, const QString& name);
    // The full step of one active track: quick runs, hand-overs, instant commands.
    void RunTrack(TImagesItem& layer, TCommands& track);

    // Where each active track stood after its last step, three per layer in
    // Layers order: the stamp of its list, the command it ran, and a copy of
    // what the linear step reads of that command. A list's stamp is never
    // shared and changes with the list, its commands' stored parts and every
    // prepare, so while the live track shows the same stamp and index, the
    // copy still holds; anything changed from outside sends the track down
    // the full step.
    struct TSlot {
        uint64_t Stamp = 0;
        int32_t Current = -1;
        int32_t StartTime = 0;
        int32_t Duration = 0;
        int32_t Kind = 0; // 0: the full step
        std::array<double, 4> V{}; // start and target of the first value, then of the second
    };
    static TSlot SlotOf(const TCommands& track);
    static bool SlotStep(TImagesItem& layer, const TSlot& slot, int32_t now);

    TScene& scene_;
    TClockSource& clock_;
    std::vector<TSlot> slots_;
    bool ticking_ = false;
};

} // namespace velkon
