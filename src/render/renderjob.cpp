#include "render/renderjob.h"

#include "edit/editorstate.h"
#include "engine/virtualplay.h"
#include "model/scene.h"
#include "render/framewriter.h"
#include "render/offscreenrenderer.h"

#include <QCoreApplication>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace velkon {

TRenderOptions TRenderJobOptions::DefaultRenderOptions() {
    TRenderOptions o;
    o.ClearFrame = true;
    o.ReadBack = true;
    o.EditingMarks = false;
    return o;
}

namespace {

int32_t FrameTime(int32_t from, int k, int fps) {
    return from + static_cast<int32_t>(std::nearbyint(k * 1000.0 / fps));
}

TVirtualPlayOptions PlayOptions(const TRenderJobOptions& o) {
    TVirtualPlayOptions play;
    play.Step = 1;
    play.Seed = o.Seed;
    play.Touches = o.Touches;
    return play;
}

} // namespace

TRenderJob::TRenderJob(TEditorState& state, const TRenderJobOptions& options) : state_(state), options_(options) {
    if (options_.Fps < 1) options_.Fps = 1;
    if (options_.From < 0) options_.From = 0;
}

QList<int32_t> TRenderJob::FrameTimes(int32_t from, int32_t to, int fps) {
    QList<int32_t> times;
    for (int k = 0;; ++k) {
        const int64_t t = from + static_cast<int64_t>(std::nearbyint(k * 1000.0 / std::max(fps, 1)));
        if (t > to) break;
        times << static_cast<int32_t>(t);
    }
    return times;
}

QString TRenderJob::CheckNames() const {
    return TVirtualPlay(state_.Scene, PlayOptions(options_)).CheckNames();
}

int TRenderJob::Width() const { return options_.Width > 0 ? options_.Width : state_.TargetWidth; }
int TRenderJob::Height() const { return options_.Height > 0 ? options_.Height : state_.TargetHeight; }

int TRenderJob::MaxFrames() const {
    const int32_t to = options_.To >= 0 ? options_.To : std::max(options_.From, TRenderJobOptions::MaxDefaultTo);
    // Counted, not listed: a long span at a high rate is billions of frames.
    const int64_t span = static_cast<int64_t>(to) - options_.From;
    if (span < 0) return 0;
    const int fps = options_.Fps;
    auto at = [fps](int64_t k) { return static_cast<int64_t>(std::nearbyint(k * 1000.0 / fps)); };
    int64_t k = span * fps / 1000;
    while (at(k + 1) <= span) ++k;
    while (k > 0 && at(k) > span) --k;
    return static_cast<int>(std::min<int64_t>(k + 1, std::numeric_limits<int>::max()));
}

bool TRenderJob::Run(TFrameSink& sink, QString* error) {
    const bool ok = Run([&](const uint8_t* rgba, int w, int h, QString* e) { return sink.Add(rgba, w, h, e); }, error) &&
                    sink.Finish(error);
    if (!ok) sink.Cancel();
    return ok;
}

bool TRenderJob::Run(const TConsumeFrame& consume, QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    Frames = 0;
    const int w = Width(), h = Height();
    if (options_.To >= 0 && options_.To < options_.From)
        return fail(QCoreApplication::translate("TRenderJob", "a vég (%1 ms) korábbi a kezdetnél (%2 ms)").arg(options_.To).arg(options_.From));

    std::unique_ptr<TOffscreenRenderer> offscreen;
    TDrawFrame draw = DrawFrame;
    if (!draw) {
        offscreen = std::make_unique<TOffscreenRenderer>(state_);
        offscreen->OnTextureError = OnTextureError;
        if (!offscreen->Open(w, h, error)) return false;
        draw = [&](uint8_t* rgba, int, int, QString*) {
            offscreen->Draw(options_.Render, rgba);
            return true;
        };
    }

    TVirtualPlay play(state_.Scene, PlayOptions(options_));
    play.OnError = OnPlayError;
    if (!play.Start()) return fail(QCoreApplication::translate("TRenderJob", "nincs ilyen réteg: %1").arg(play.CheckNames()));
    const bool untilStop = options_.To < 0;
    const int32_t to = untilStop ? std::max(options_.From, TRenderJobOptions::MaxDefaultTo) : options_.To;
    const int total = MaxFrames();
    std::vector<uint8_t> rgba(static_cast<size_t>(w) * static_cast<size_t>(h) * 4);
    for (int k = 0;; ++k) {
        const int32_t time = FrameTime(options_.From, k, options_.Fps);
        if (time > to) break;
        if (cancelled_) return fail(QCoreApplication::translate("TRenderJob", "megszakítva"));
        play.AdvanceTo(time);
        // Without an end the render stops with the scene: the frame at the
        // stop is the last, and a frame past it is not drawn.
        const bool stopped = untilStop && play.StopTime() >= 0;
        if (stopped && time > play.StopTime() && k > 0) break;
        if (!draw(rgba.data(), w, h, error)) return false;
        if (!consume(rgba.data(), w, h, error)) return false;
        Frames = k + 1;
        if (OnProgress) OnProgress(k, time, total);
        if (stopped) break;
    }
    return true;
}

} // namespace velkon
