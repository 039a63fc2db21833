// velkon render's frames against the editor canvas, on the generated
// 2,000-layer project: 60 frames rendered offscreen (EGL, no display; the
// playback simulated, the encoding left out) against 60 times one canvas
// draw plus its read-back (what TOGLRenderPanel::ReadFrame does), measured in
// the same run. Beside it, the encoding cost of one such frame.
// Prints:
//   render_frames: <ours> vs <reference> = <ratio>x
//   render_frames_encode: png <ms>/frame, webp lossless <ms>/frame, webp lossy <ms>/frame
//
// Times are the process's CPU time: Mesa's llvmpipe draws in worker threads,
// which a thread clock would miss, and the machine is shared, which a wall
// clock would measure.

#include "edit/editorstate.h"
#include "edit/resolutions.h"
#include "editor/canvasview.h"
#include "editor/mainform.h"
#include "editor/oglrenderpanel.h"
#include "editor/velkonapplication.h"
#include "model/scene.h"
#include "render/framewriter.h"
#include "render/offscreenrenderer.h"
#include "render/renderjob.h"
#include <GL/gl.h>

#include "generator/canvasform.h"
#include "generator/generator.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace velkon;

namespace {

constexpr int Frames = 60;

double ProcessCpuMs() {
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

template <class F> double Ms(F&& f) {
    const double t0 = ProcessCpuMs();
    f();
    return ProcessCpuMs() - t0;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    SetDefaultSurfaceFormat();
    TVelkonApplication app(argc, argv);
    QTemporaryDir dir;
    bench::TGenOptions gen;
    WriteGeneratedProject(dir.path(), gen);

    // The reference: the editor's canvas with the project.
    TMainForm form;
    if (!bench::ShowCanvasForm(form))
        return 1;
    GenerateScene(form.Scene, gen, dir.path());
    form.Scene.Saved = true;
    // The project's resolution, as opening it would set it: both sides draw the same frame size.
    form.Canvas->ApplyResolution();
    TOGLRenderPanel& canvas = *form.Canvas->OGLRenderPanel;

    // Ours: the same project in a scene of its own, as velkon render has it.
    TScene scene;
    GenerateScene(scene, gen, dir.path());
    TEditorState state(scene);
    ApplyResolution(state, scene.Resolution);
    TRenderJobOptions options;
    options.Fps = 30;
    options.To = static_cast<int32_t>(std::nearbyint((Frames - 1) * 1000.0 / options.Fps)); // frames 0 .. 59
    std::vector<std::vector<uint8_t>> kept;       // a few frames for the encoders
    int width = 0, height = 0;
    auto ours = [&](bool keep) {
        // One thread has one current context: the canvas's GLX one steps aside for EGL's.
        canvas.doneCurrent();
        TRenderJob job(state, options);
        QString error;
        const bool ok = job.Run(
            [&](const uint8_t* rgba, int w, int h, QString*) {
                if (keep && kept.size() < 10 && job.Frames % 6 == 0) {
                    kept.emplace_back(rgba, rgba + static_cast<size_t>(w) * static_cast<size_t>(h) * 4);
                    width = w;
                    height = h;
                }
                return true;
            },
            &error);
        if (!ok || job.Frames != Frames) {
            std::fprintf(stderr, "render failed after %d frames: %s\n", job.Frames, qPrintable(error));
            std::exit(1);
        }
    };
    auto reference = [&] {
        for (int i = 0; i < Frames; ++i) canvas.ReadFrame();
    };

    // Warm up both paths, then alternate rounds so drift hits both alike.
    ours(true);
    canvas.ReadFrame();
    std::vector<double> a, b;
    for (int round = 0; round < 3; ++round) {
        a.push_back(Ms([&] { ours(false); }));
        b.push_back(Ms(reference));
    }
    const double oursMs = Median(a), refMs = Median(b);
    if (qEnvironmentVariableIsSet("VELKON_BENCH_PARTS")) {
        const double simMs = Ms([&] {
            TRenderJob job(state, options);
            job.DrawFrame = [](uint8_t*, int, int, QString*) { return true; };
            QString error;
            job.Run([](const uint8_t*, int, int, QString*) { return true; }, &error);
        });
        std::printf("  parts: simulation %.1f ms of %.1f ms\n", simMs, oursMs);
        canvas.doneCurrent();
        std::vector<uint8_t> rgba;
        for (int clear = 0; clear < 2; ++clear) {
            TOffscreenRenderer offscreen(state);
            QString error;
            offscreen.Open(state.TargetWidth, state.TargetHeight, &error);
            rgba.resize(size_t(state.TargetWidth) * state.TargetHeight * 4);
            TRenderOptions o = TRenderJobOptions::DefaultRenderOptions();
            o.ClearFrame = clear;
            const double drawMs = Ms([&] { for (int i = 0; i < Frames; ++i) offscreen.DrawOnly(o), glFinish(); });
            const double readMs = Ms([&] { for (int i = 0; i < Frames; ++i) offscreen.Draw(o, rgba.data()); });
            std::printf("  static scene, clear %d: draw %.1f ms, draw+read %.1f ms\n", clear, drawMs, readMs);
        }
        canvas.makeCurrent();
        const TRenderOptions co = form.Canvas->RenderOptions();
        TCanvasRenderer::InitGlState();
        TCanvasRenderer::SetProjection(form.State.TargetWidth, form.State.TargetHeight);
        const double canvasDraw = Ms([&] { for (int i = 0; i < Frames; ++i) canvas.Renderer.Render(co), glFinish(); });
        std::printf("  canvas draw only (on screen buffer) %.1f ms; canvas clear %d; canvas frame %dx%d, ours %dx%d\n",
                    canvasDraw, co.ClearFrame, form.State.TargetWidth, form.State.TargetHeight, state.TargetWidth,
                    state.TargetHeight);
        canvas.doneCurrent();
    }
    std::printf("render_frames: %.1f ms vs %.1f ms = %.2fx\n", oursMs, refMs, oursMs / refMs);

    // The encoders on frames of this render.
    std::vector<double> png;
    for (const auto& frame : kept) png.push_back(Ms([&] { EncodePng(frame.data(), width, height); }));
    auto webp = [&](int quality) {
        return Ms([&] {
                   TWebpAnimation animation(width, height, quality);
                   QString error;
                   int k = 0;
                   for (const auto& frame : kept) animation.Add(frame.data(), 200 * k++, &error);
                   animation.Assemble(200 * k, &error);
               }) /
               static_cast<double>(kept.size());
    };
    std::printf("render_frames_encode (%dx%d): png %.1f ms/frame, webp lossless %.1f ms/frame, webp lossy (80) %.1f "
                "ms/frame\n",
                width, height, Median(png), webp(-1), webp(80));
    form.Scene.ClearLayersAndFiles();
    return 0;
}
