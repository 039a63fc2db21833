#include "edit/scrubber.h"

#include "model/scene.h"

#include <algorithm>

namespace velkon {

TScrubber::TScrubber(TScene& scene, int32_t checkpointEvery)
    : scene_(scene), every_(std::max<int32_t>(1, checkpointEvery)) {}

TScrubber::~TScrubber() { Leave(); }

TVirtualPlayOptions TScrubber::PlayOptions() {
    TVirtualPlayOptions options;
    options.Silent = true;
    return options;
}

int32_t TScrubber::Time() const { return play_ ? play_->Now() : 0; }

int32_t TScrubber::StopTime() const { return play_ ? play_->StopTime() : -1; }

size_t TScrubber::CheckpointBytes() const { return markBytes_; }

bool TScrubber::Seek(int32_t time) {
    time = std::max<int32_t>(0, time);
    if (!play_) {
        edited_.Take(scene_);
        play_ = std::make_unique<TVirtualPlay>(scene_, PlayOptions());
        play_->OnError = [this](int32_t at, const QString& message) {
            if (at > furthest_ && OnError)
                OnError(at, message);
        };
        furthest_ = -1;
        ticked_ = 0;
        if (!play_->Start()) {
            play_.reset();
            edited_.Put(scene_);
            return false;
        }
        auto mark = std::make_unique<TVirtualPlay::TCheckpoint>();
        play_->Save(*mark);
        markBytes_ = mark->State.Bytes();
        marks_.push_back(std::move(mark));
        furthest_ = 0;
    }
    if (time < play_->Now()) {
        const size_t k = std::min(static_cast<size_t>(time / every_), marks_.size() - 1);
        // Only a scene whose layers were added or removed meanwhile refuses.
        if (!play_->Restore(*marks_[k]))
            return false;
    }
    AdvanceTo(time);
    return true;
}

void TScrubber::AdvanceTo(int32_t time) {
    const int32_t from = play_->Now();
    while (play_->Now() < time) {
        const int64_t next = (static_cast<int64_t>(play_->Now()) / every_ + 1) * every_;
        if (next > time) {
            play_->AdvanceTo(time);
            break;
        }
        play_->AdvanceTo(static_cast<int32_t>(next));
        furthest_ = std::max(furthest_, play_->Now());
        if (static_cast<size_t>(next / every_) == marks_.size() && markBytes_ < MaxCheckpointBytes) {
            auto mark = std::make_unique<TVirtualPlay::TCheckpoint>();
            play_->Save(*mark);
            markBytes_ += mark->State.Bytes();
            marks_.push_back(std::move(mark));
        }
    }
    furthest_ = std::max(furthest_, play_->Now());
    ticked_ += play_->Now() - from;
}

void TScrubber::Leave() {
    if (!play_)
        return;
    play_->Stop();
    play_.reset();
    marks_.clear();
    markBytes_ = 0;
    edited_.Put(scene_);
    edited_ = TPlayState();
}

} // namespace velkon
