#pragma once

#include <QString>
#include <cstdint>
#include <functional>

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

    // Starts a track at its first command at the current time, emptying its loop counters.
    void StartTrack(TImagesItem& layer, TCommands& track);
    void StopTrack(TCommands& track);
    // Moves the track by step commands (the new one starts at the nominal end
    // of the one before), or ends it after its last command.
    void Advance(TImagesItem& layer, TCommands& track, int step);
    // Evaluates the current command's parameters and sets its start values,
    // targets and duration from the layer's current state.
    void Prepare(TImagesItem& layer, TCommands& track);
    // Start time of the current command plus its nominal duration.
    int32_t EndTime(const TCommands& track) const;
    // Starts the layer's next touch animation unless one runs already.
    void TouchStart(TImagesItem& layer);

    std::function<void(const QString&)> OnError;
    // "sfx play" / "sfx stop" with the file name, "touch" with the layer name.
    std::function<void(const QString& kind, const QString& name)> OnEvent;

private:
    void Step(TImagesItem& layer, TCommands& track);
    void StepMovement(TImagesItem& layer, TCommands& track);
    // The linear middle of a movement without ease or acceleration; false when
    // the command needs the full step.
    bool StepLinear(TImagesItem& layer, const TCommandItem& c) const;
    void StepInstant(TImagesItem& layer, TCommands& track);
    void StepLoop(TImagesItem& layer, TCommands& track);
    void PrepareAt(TImagesItem& layer, TCommands& track, int32_t startTime);
    void Event(const char* kind, const QString& name);

    TScene& scene_;
    TClockSource& clock_;
};

} // namespace velkon
