#pragma once

#include "render/canvasrenderer.h"

#include <QList>
#include <QPair>
#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>

namespace velkon {

class TEditorState;
class TFrameSink;

// What to render: the playback `velkon simulate` plays (seed, touches,
// automatic stop), sampled at frame times.
struct TRenderJobOptions {
    int Fps = 30;                             // 1..1000
    int32_t From = 0;                         // ms
    int32_t To = -1;                          // ms, included; -1: until the scene stops by itself, at most MaxDefaultTo
    uint32_t Seed = 1;
    QList<QPair<QString, int32_t>> Touches;   // layer, time in ms
    int Width = 0, Height = 0;                // 0: the project's target screen
    TRenderOptions Render = DefaultRenderOptions();

    static constexpr int32_t MaxDefaultTo = 10000;
    // A frame of the scene alone on its background colour: no editing marks,
    // no placeholders of missing pictures.
    static TRenderOptions DefaultRenderOptions();
};

// Renders a playback frame by frame: frame k shows the scene at time
// From + k*1000/Fps (whole ms, halves to even) of a playback from time 0 on
// the virtual clock, up to and including To. Once the playback has stopped
// by itself the layers are back where they were, so frames from the stop on
// show the scene as the editor shows it after playback stops; without To the
// last frame is the one at the stop (or at 10 s, whichever comes first).
// The job is reusable: progress and cancel for a dialog, any frame source.
class TRenderJob {
public:
    // Draws the scene as it is now into rgba (width*height*4, top row first).
    using TDrawFrame = std::function<bool(uint8_t* rgba, int width, int height, QString* error)>;
    // Takes a rendered frame; false with *error stops the run.
    using TConsumeFrame = std::function<bool(const uint8_t* rgba, int width, int height, QString* error)>;

    TRenderJob(TEditorState& state, const TRenderJobOptions& options);

    // The frame times for a known end (To >= From).
    static QList<int32_t> FrameTimes(int32_t from, int32_t to, int fps);
    // Layers named by Touches that the scene lacks; empty when all are there.
    QString CheckNames() const;
    // The frame size Run will use.
    int Width() const;
    int Height() const;
    // How many frames at most (the exact count when To is given).
    int MaxFrames() const;

    // Plays and renders every frame into sink, then finishes it. On failure or
    // cancel the sink is cancelled (nothing of the run stays) and *error says why.
    bool Run(TFrameSink& sink, QString* error);
    // The same without a sink: consume gets every frame in order.
    bool Run(const TConsumeFrame& consume, QString* error);

    // Thread-safe: the run stops before its next frame.
    void Cancel() { cancelled_ = true; }
    bool Cancelled() const { return cancelled_; }

    // Frame k at time done, of about total frames (total is MaxFrames()).
    std::function<void(int frame, int32_t time, int total)> OnProgress;
    // Errors of the tracks while playing, with their time.
    std::function<void(int32_t time, const QString&)> OnPlayError;
    // Pictures without a usable texture (offscreen frames only).
    std::function<void(const QString&)> OnTextureError;
    // Where frames come from; empty: the offscreen renderer (no display needed).
    TDrawFrame DrawFrame;
    // The frames done by the last run.
    int Frames = 0;

private:
    TEditorState& state_;
    TRenderJobOptions options_;
    std::atomic<bool> cancelled_{false};
};

} // namespace velkon
