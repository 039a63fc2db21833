#include "engine/playstate.h"

#include "model/commanddesc.h"
#include "model/commanditem.h"
#include "model/commands.h"
#include "model/imagesitem.h"

#include <unordered_set>

namespace velkon {

void TPlayState::Take(const TScene& scene) {
    layers_.clear();
    runs_.clear();
    loops_.clear();
    const int count = scene.Layers.Count();
    layers_.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        TImagesItem& layer = *scene.Layers.At(i);
        TLayer& l = layers_.emplace_back();
        l.Layer = &layer;
        l.ActiveTracks = layer.ActiveTracks;
        l.Acceleration = layer.Acceleration;
        l.Left = layer.Left;
        l.Top = layer.Top;
        l.Angle = layer.Angle;
        l.Alpha = layer.Alpha;
        l.Width = layer.Width;
        l.Height = layer.Height;
        l.Picture = layer.Picture;
        l.FileItem = layer.FileItem;
        l.TouchRunning = layer.TouchRunning;
        l.Visible = layer.Visible;
        l.Selected = layer.Selected;
        l.TouchIndex = layer.TouchIndex;
        l.FlipMode = layer.FlipMode;
        l.SavedState = layer.SavedState;
        for (int t = 0; t < 12; ++t) {
            const TCommands& track = layer.TrackByNumber(t + 1);
            l.Current[t] = track.Current;
            for (int c = 0; c < track.Count(); ++c)
                if (track.Item(c)->Command() == cmdLoop)
                    loops_.push_back({track.Item(c), track.Item(c)->sParam3()});
            if (track.Current < 0 || track.Current >= track.Count())
                continue;
            TCommandItem& item = *track.Item(track.Current);
            TRun& r = runs_.emplace_back();
            r.Item = &item;
            r.StartTime = item.StartTime;
            r.Duration = item.Duration;
            r.EaseFlags = item.EaseFlags;
            r.KeyAlpha = item.KeyAlpha;
            r.Values = {item.StartLeft,  item.TargetLeft,  item.StartTop,   item.TargetTop,
                        item.StartAngle, item.TargetAngle, item.StartAlpha, item.TargetAlpha,
                        item.StartWidth, item.TargetWidth, item.StartHeight, item.TargetHeight};
            r.EaseCoef = item.EaseCoef;
            r.Value1 = item.Value1;
            r.Value2 = item.Value2;
            r.Value3 = item.Value3;
            r.Owner = item.Owner;
        }
    }
    clock_ = scene.Clock;
    random_ = scene.Random;
    timeScale_ = scene.TimeScale;
    playing_ = scene.Playing;
    fullPlay_ = scene.FullPlay;
    taken_ = true;
}

bool TPlayState::Put(TScene& scene) const {
    // The same layers, in any order: the layer list gathers a group's
    // members when it is built, which is no change of the play state.
    if (scene.Layers.Count() != static_cast<int>(layers_.size()))
        return false;
    std::unordered_set<const TImagesItem*> live;
    live.reserve(layers_.size());
    for (int i = 0; i < scene.Layers.Count(); ++i)
        live.insert(scene.Layers.At(i));
    for (const TLayer& l : layers_)
        if (!live.contains(l.Layer))
            return false;
    for (const TLayer& l : layers_) {
        TImagesItem& layer = *l.Layer;
        layer.ActiveTracks = l.ActiveTracks;
        layer.Acceleration = l.Acceleration;
        layer.Left = l.Left;
        layer.Top = l.Top;
        layer.Angle = l.Angle;
        layer.Alpha = l.Alpha;
        layer.Width = l.Width;
        layer.Height = l.Height;
        layer.Picture = l.Picture;
        layer.FileItem = l.FileItem;
        layer.TouchRunning = l.TouchRunning;
        layer.Visible = l.Visible;
        layer.Selected = l.Selected;
        layer.TouchIndex = l.TouchIndex;
        layer.FlipMode = l.FlipMode;
        layer.SavedState = l.SavedState;
        for (int t = 0; t < 12; ++t) {
            TCommands& track = layer.TrackByNumber(t + 1);
            track.Current = l.Current[t];
            // No copy the player made of a command before may be used again.
            track.MarkChanged();
        }
    }
    for (const TLoop& loop : loops_)
        if (loop.Item->sParam3() != loop.Counter)
            loop.Item->SetParam(3, loop.Counter);
    for (const TRun& r : runs_) {
        TCommandItem& item = *r.Item;
        item.StartTime = r.StartTime;
        item.Duration = r.Duration;
        item.EaseFlags = r.EaseFlags;
        item.KeyAlpha = r.KeyAlpha;
        item.StartLeft = r.Values[0];
        item.TargetLeft = r.Values[1];
        item.StartTop = r.Values[2];
        item.TargetTop = r.Values[3];
        item.StartAngle = r.Values[4];
        item.TargetAngle = r.Values[5];
        item.StartAlpha = r.Values[6];
        item.TargetAlpha = r.Values[7];
        item.StartWidth = r.Values[8];
        item.TargetWidth = r.Values[9];
        item.StartHeight = r.Values[10];
        item.TargetHeight = r.Values[11];
        item.EaseCoef = r.EaseCoef;
        item.Value1 = r.Value1;
        item.Value2 = r.Value2;
        item.Value3 = r.Value3;
        item.Owner = r.Owner;
    }
    scene.Clock = clock_;
    scene.Random = random_;
    scene.TimeScale = timeScale_;
    scene.Playing = playing_;
    scene.FullPlay = fullPlay_;
    return true;
}

size_t TPlayState::Bytes() const {
    return sizeof(*this) + layers_.capacity() * sizeof(TLayer) + runs_.capacity() * sizeof(TRun) +
           loops_.capacity() * sizeof(TLoop);
}

} // namespace velkon
