#include "engine/virtualplay.h"

#include "model/imagesitem.h"
#include "model/scene.h"

namespace velkon {

TVirtualPlay::TVirtualPlay(TScene& scene, const TVirtualPlayOptions& options)
    : scene_(scene), options_(options), player_(scene, clock_), playback_(scene, player_) {
    if (options_.Step < 1)
        options_.Step = 1;
    playback_.AutoStop = options_.AutoStop;
    player_.Silent = options_.Silent;
    player_.OnError = [this](const QString& message) {
        if (OnError)
            OnError(now_, message);
    };
    playback_.OnError = player_.OnError;
}

TVirtualPlay::~TVirtualPlay() { Stop(); }

QString TVirtualPlay::CheckNames() const {
    QStringList missing;
    for (const QString& name : options_.Preview)
        if (!scene_.Layers.Find(name))
            missing << name;
    for (const auto& touch : options_.Touches)
        if (!scene_.Layers.Find(touch.first))
            missing << touch.first;
    missing.removeDuplicates();
    return missing.join(QStringLiteral(", "));
}

bool TVirtualPlay::Start() {
    Stop();
    if (!CheckNames().isEmpty())
        return false;
    scene_.Random.Seed(options_.Seed);
    scene_.TimeScale = options_.TimeScale;
    scene_.Clock = {};
    now_ = 0;
    stopTime_ = -1;
    clock_.Set(0);
    if (!options_.Preview.isEmpty()) {
        for (int i = 0; i < scene_.Layers.Count(); ++i) {
            TImagesItem& layer = *scene_.Layers.At(i);
            layer.Selected = options_.Preview.contains(layer.Name, Qt::CaseInsensitive);
        }
        playback_.Start(false);
    } else {
        playback_.Start(true);
    }
    playing_ = true;
    TouchAt(0);
    return true;
}

void TVirtualPlay::TouchAt(int32_t time) {
    for (const auto& [name, at] : options_.Touches)
        if (at == time)
            if (TImagesItem* layer = scene_.Layers.Find(name))
                playback_.Touch(*layer);
}

void TVirtualPlay::AdvanceTo(int32_t time) {
    const int32_t step = options_.Step;
    while (now_ <= time - step) {
        now_ += step;
        TouchAt(now_);
        clock_.Set(now_);
        // After the automatic stop the clock goes on, and so do touches
        // (which start nothing while nothing plays), as in the editor.
        if (playing_ && playback_.CheckAutoStop(player_.Tick())) {
            playing_ = false;
            stopTime_ = now_;
        }
    }
}

void TVirtualPlay::Save(TCheckpoint& checkpoint) const {
    checkpoint.State.Take(scene_);
    checkpoint.Now = now_;
    checkpoint.StopTime = stopTime_;
    checkpoint.Playing = playing_;
}

bool TVirtualPlay::Restore(const TCheckpoint& checkpoint) {
    if (!checkpoint.State.Put(scene_))
        return false;
    now_ = checkpoint.Now;
    stopTime_ = checkpoint.StopTime;
    playing_ = checkpoint.Playing;
    clock_.Set(now_);
    return true;
}

void TVirtualPlay::Stop() {
    if (!playing_)
        return;
    playback_.Stop();
    playing_ = false;
}

} // namespace velkon
