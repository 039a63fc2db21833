// The inspector's multiple page on a large scene: one rotation step of 2,000
// selected layers about the common origin, next to the bare trigonometry of
// the same turn over the same layers.
#include "edit/editorstate.h"
#include "edit/inspector.h"
#include "generator/cpuclock.h"
#include "generator/generator.h"
#include "model/scene.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <numbers>

using namespace velkon;
using bench::CpuMs;

namespace {

constexpr int kLayers = 2000;
constexpr int kRounds = 200;


// The turn itself: from each layer's base, about (ox, oy), by r degrees.
void BareTurn(TScene& scene, double ox, double oy, double r) {
    constexpr double toRad = std::numbers::pi / 180.0;
    for (int i = 0; i < scene.Layers.Count(); ++i) {
        TImagesItem& l = *scene.Layers.At(i);
        const double dx = l.MultiBase.Left + l.OrigoX - ox;
        const double dy = l.MultiBase.Top + l.OrigoY - oy;
        const double d = std::hypot(dx, dy);
        const double u = r * toRad + std::atan2(dy, dx);
        l.Left = d * std::cos(u) + ox - l.OrigoX;
        l.Top = d * std::sin(u) + oy - l.OrigoY;
        l.Angle = r + l.MultiBase.Angle;
    }
}

} // namespace

int main() {
    TScene scene;
    bench::TGenOptions options;
    options.Layers = kLayers;
    bench::GenerateScene(scene, options);
    for (int i = 0; i < scene.Layers.Count(); ++i)
        scene.Layers.At(i)->Selected = true;
    scene.SelectedCount = scene.Layers.Count();
    scene.CurrentLayer = scene.Layers.At(0);
    TEditorState state(scene);
    state.ToolPoint(-1).X = 512;
    state.ToolPoint(-1).Y = 384;
    TInspector inspector(state);
    inspector.TakeBase();
    // The first step of a typed series records the undo snapshot; the steps
    // after it merge into it, which is what each further keystroke costs.
    inspector.MultiRotate(1);

    double ours = 1e9, bare = 1e9;
    double sink = 0;
    for (int round = 0; round < kRounds; ++round) {
        const int degrees = 2 + round % 300;
        double t0 = CpuMs();
        inspector.MultiRotate(degrees);
        ours = std::min(ours, CpuMs() - t0);
        sink += scene.Layers.At(round % kLayers)->Left;
        t0 = CpuMs();
        BareTurn(scene, 512, 384, degrees);
        bare = std::min(bare, CpuMs() - t0);
        sink += scene.Layers.At(round % kLayers)->Top;
    }
    std::printf("multi_rotate: %.4f ms vs %.4f ms = %.2fx\n", ours, bare, ours / bare);
    std::printf("# multi_rotate: best of %d steps turning %d selected layers about the common origin"
                " vs the bare trigonometry over the same layers (goal <= 3x); checksum %.1f\n",
                kRounds, kLayers, sink);
    return 0;
}
