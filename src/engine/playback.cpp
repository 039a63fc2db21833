#include "engine/playback.h"

#include "engine/player.h"
#include "engine/sounds.h"
#include "model/scene.h"
#include "model/velkonerror.h"

namespace velkon {

TPlayback::TPlayback(TScene& scene, TPlayer& player) : scene_(scene), player_(player) {}

void TPlayback::Report(const std::exception& e) {
    if (!OnError)
        return;
    const auto* ve = dynamic_cast<const EVelkonError*>(&e);
    OnError(ve ? ve->Message() : QString::fromUtf8(e.what()));
}

void TPlayback::Toggle(bool fullPlay) {
    if (scene_.Playing)
        Stop();
    else
        Start(fullPlay);
}

void TPlayback::Start(bool fullPlay) {
    // The tracks start now, not when the last tick of an earlier playback ran.
    player_.ReadClock();
    scene_.SaveAll();
    scene_.FullPlay = fullPlay;
    for (int i = 0; i < scene_.Layers.Count(); ++i) {
        TImagesItem& layer = *scene_.Layers.At(i);
        if (!layer.Selected || fullPlay)
            layer.SelectAnimation(TImagesItem::animBase);
        const bool plays = fullPlay ? (layer.PlayAnim & 1) != 0 : layer.Selected;
        if (plays) {
            for (TCommands* track : layer.ActiveTracks) {
                if (!track)
                    continue;
                // One track that cannot start must not keep the scene from playing.
                try {
                    player_.StartTrack(layer, *track);
                } catch (const std::exception& e) {
                    Report(e);
                }
            }
        }
        scene_.Playing = true;
    }
}

void TPlayback::Stop() {
    for (int i = 0; i < scene_.Layers.Count(); ++i) {
        TImagesItem& layer = *scene_.Layers.At(i);
        layer.TouchRunning = false;
        layer.TouchIndex = 0;
        for (int t = 1; t <= 12; ++t)
            player_.StopTrack(layer.TrackByNumber(t));
        layer.RestoreState();
        if (scene_.FullPlay)
            layer.SelectAnimation(TImagesItem::animBase);
    }
    scene_.FullPlay = false;
    if (scene_.Sounds)
        for (int i = 0; i < scene_.Files.Count(); ++i) {
            TFilesItem& file = *scene_.Files.At(i);
            if (file.Kind == TFilesItem::kindSound && file.Sound)
                scene_.Sounds->Stop(*file.Sound);
        }
    scene_.Playing = false;
}

bool TPlayback::CheckAutoStop(bool anyRunning) {
    if (!AutoStop || anyRunning || !scene_.Playing)
        return false;
    Stop();
    return true;
}

void TPlayback::Touch(TImagesItem& layer) {
    if (!scene_.Playing || !scene_.FullPlay || (layer.PlayAnim & 2))
        return;
    try {
        player_.TouchStart(layer);
    } catch (const std::exception& e) {
        Report(e);
    }
}

} // namespace velkon
