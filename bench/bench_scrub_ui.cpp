// One step of the time scrubber on the generated 2,000-layer project against
// one frame of the editor's canvas with its read-back (the frame the pack, the
// photo and the preview export take), in the same run.
// Prints:
//   scrub_step: <one step 33 ms forward: simulation and canvas draw> vs <one canvas draw + read-back> = <ratio>x
//   scrub_step_back: <one step 33 ms backward> vs <the same frame> = <ratio>x
//   scrub_step parts: the simulation alone, forward and backward (ms)

#include "editor/canvasview.h"
#include "editor/editordocument.h"
#include "editor/mainform.h"
#include "editor/oglrenderpanel.h"
#include "editor/velkonapplication.h"
#include "edit/scrubber.h"
#include "model/scene.h"

#include "generator/canvasform.h"
#include "generator/generator.h"

#include <GL/gl.h>
#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace velkon;

namespace {

double NowMs() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
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
    TMainForm form;
    if (!bench::ShowCanvasForm(form))
        return 1;
    bench::TGenOptions options;
    WriteGeneratedProject(dir.path(), options);
    GenerateScene(form.Scene, options, dir.path());
    form.Scene.Saved = true;
    TEditorDocument& document = form.Document;
    TOGLRenderPanel& canvas = *form.Canvas->OGLRenderPanel;

    // The canvas draw of a scrub step: the pass the canvas runs on screen.
    const auto draw = [&] {
        canvas.makeCurrent();
        TCanvasRenderer::InitGlState();
        TCanvasRenderer::SetProjection(form.State.CanvasWidth, form.State.CanvasHeight);
        canvas.Renderer.Render(form.Canvas->RenderOptions());
        glFinish();
        canvas.doneCurrent();
    };
    const auto frame = [&] { form.Canvas->ReadFrame(); };

    // Warm up: textures uploaded, the scrubber has gone past the times measured.
    frame();
    draw();
    document.ScrubTo(3000);
    draw();
    const int32_t stop = document.ScrubStopTime();

    // How much of the scene still moves at a time (tracks running).
    const auto running = [&] {
        int n = 0;
        for (const auto& entry : form.Scene.Layers)
            for (const TCommands* t : entry.second->ActiveTracks)
                n += t && t->Running();
        return n;
    };
    std::printf("scrub_step scene: %d layers;", form.Scene.Layers.Count());
    for (int32_t t : {33, 250, 500, 1000, 2000, 3000}) {
        document.ScrubTo(t);
        std::printf(" %d tracks run at %d ms (%d %d);", running(), t, document.Scrubbing(), document.ScrubTime());
    }
    std::printf("\n");

    // Steps of a frame at 30 fps around 500 ms, where the most tracks run;
    // each step followed by the reference frame, so drift hits both alike.
    constexpr int32_t step = 33;
    constexpr int rounds = 21;
    std::vector<double> forward, back, reference, forwardSim, backSim;
    document.ScrubTo(150);
    int32_t at = 150;
    for (int round = 0; round < rounds; ++round) {
        const double t0 = NowMs();
        document.ScrubTo(at += step);
        const double t1 = NowMs();
        draw();
        forward.push_back(NowMs() - t0);
        forwardSim.push_back(t1 - t0);
        const double r0 = NowMs();
        frame();
        reference.push_back(NowMs() - r0);
    }
    const int64_t ticksBefore = document.Scrubber().TicksPlayed();
    for (int round = 0; round < rounds; ++round) {
        const double t0 = NowMs();
        document.ScrubTo(at -= step);
        const double t1 = NowMs();
        draw();
        back.push_back(NowMs() - t0);
        backSim.push_back(t1 - t0);
        const double r0 = NowMs();
        frame();
        reference.push_back(NowMs() - r0);
    }
    // A seek to the time on show: the document's notices and the panels' refresh alone.
    std::vector<double> notices;
    for (int round = 0; round < 5; ++round) {
        const double t0 = NowMs();
        document.ScrubTo(at);
        notices.push_back(NowMs() - t0);
    }
    // The scrubber alone on a twin of the scene: what the panels' refresh adds is the rest.
    std::vector<double> coreForward, coreBack;
    {
        TScene twin;
        GenerateScene(twin, options, dir.path());
        TScrubber scrubber(twin);
        scrubber.Seek(3000);
        int32_t t = 150;
        scrubber.Seek(t);
        for (int round = 0; round < rounds; ++round) {
            const double t0 = NowMs();
            scrubber.Seek(t += step);
            coreForward.push_back(NowMs() - t0);
        }
        for (int round = 0; round < rounds; ++round) {
            const double t0 = NowMs();
            scrubber.Seek(t -= step);
            coreBack.push_back(NowMs() - t0);
        }
    }
    const double ticksBack = static_cast<double>(document.Scrubber().TicksPlayed() - ticksBefore) / rounds;
    const double f = Median(forward), b = Median(back), r = Median(reference);
    std::printf("scrub_step: %.3f ms vs %.3f ms = %.2fx\n", f, r, f / r);
    std::printf("scrub_step_back: %.3f ms vs %.3f ms = %.2fx\n", b, r, b / r);
    std::printf("scrub_step parts: simulation %.3f ms forward, %.3f ms backward (%.0f ticks played again a step; "
                "the scrubber alone %.3f ms forward, %.3f ms backward; the panels' refresh %.3f ms); stop at %d ms; %zu checkpoints, %.1f MB\n",
                Median(forwardSim), Median(backSim), ticksBack, Median(coreForward), Median(coreBack), Median(notices), stop, document.Scrubber().CheckpointCount(),
                static_cast<double>(document.Scrubber().CheckpointBytes()) / (1 << 20));
    document.EndScrub();
    form.Scene.ClearLayersAndFiles();
    return 0;
}
