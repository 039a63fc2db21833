#pragma once

#include <QString>
#include <exception>
#include <functional>

namespace velkon {

class TImagesItem;
class TPlayer;
class TScene;

// Playback of the scene as a whole: the play/stop toggle that the main window
// (F1, F2, the start and stop buttons) and the command line share, touches by
// click, and the automatic stop once every track has ended.
class TPlayback {
public:
    TPlayback(TScene& scene, TPlayer& player);

    // Stops when playing, otherwise starts: full play (F1) restarts every
    // layer from Base and plays those whose PlayAnim bit 0 is set; a preview
    // (F2) plays the selected layers from their active animation.
    void Toggle(bool fullPlay);
    // Saves every layer and starts; with no layers nothing starts.
    void Start(bool fullPlay);
    // Stops every track, resets touch state, restores every layer and stops all sounds.
    void Stop();

    // The check after each tick: when auto stop is on, playback runs and the
    // tick reported that nothing runs, playback stops. Returns whether it stopped.
    bool CheckAutoStop(bool anyRunning);
    bool AutoStop = true;

    // A click on a layer: during full play it starts the layer's next touch
    // animation, unless bit 1 of its PlayAnim says clicks are ignored.
    void Touch(TImagesItem& layer);

    // Told when a track failed to start (the rest of playback still starts).
    std::function<void(const QString&)> OnError;

private:
    void Report(const std::exception& e);

    TScene& scene_;
    TPlayer& player_;
};

} // namespace velkon
