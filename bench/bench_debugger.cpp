// Debugger grid on a large scene: the grid for a layer that starts 500 others,
// next to one bare pass over the commands of the layers the grid shows.
#include "edit/debuggergrid.h"
#include "generator/cpuclock.h"
#include "generator/generator.h"
#include "model/commanddesc.h"
#include "model/scene.h"

#include <QString>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace velkon;
using bench::CpuMs;

namespace {

constexpr int kLayers = 2000;
constexpr int kCommands = 120000;
constexpr int kStarted = 500;
constexpr int kRounds = 7;


} // namespace

int main() {
    TScene scene;
    bench::TGenOptions options;
    options.Layers = kLayers;
    options.Commands = kCommands;
    bench::GenerateScene(scene, options);

    // The last layer starts every fourth layer, spread over its twelve tracks.
    TImagesItem* current = scene.Layers.At(kLayers - 1);
    for (int i = 0; i < kStarted; ++i)
        current->TrackByNumber(1 + i % 12)
            .Add(std::make_unique<TCommandItem>(cmdStartOther, scene.Layers.Name(i * 4),
                                                QString::number(i % 2)));

    double gridMs = 1e9;
    size_t rows = 0, blocks = 0;
    std::vector<const TImagesItem*> shown;
    for (int round = 0; round < kRounds; ++round) {
        const double t0 = CpuMs();
        const TDebuggerGrid grid(scene, current);
        gridMs = std::min(gridMs, CpuMs() - t0);
        rows = grid.RowCount();
        blocks = grid.Blocks().size();
        shown.clear();
        for (const TDebuggerGrid::TBlock& b : grid.Blocks())
            shown.push_back(b.Layer);
    }

    // Reference: each command of the shown layers read once, as a display
    // needs it (its name and its parameter text), with nothing else around it.
    double bareMs = 1e9;
    size_t commands = 0;
    for (int round = 0; round < kRounds; ++round) {
        std::vector<QString> texts;
        const double t0 = CpuMs();
        for (const TImagesItem* layer : shown)
            for (int t = 1; t <= 12; ++t) {
                const TCommands& track = layer->TrackByNumber(t);
                for (int i = 0; i < track.Count(); ++i)
                    texts.push_back(track.Item(i)->Name() + QStringLiteral("\r\n") +
                                    track.Item(i)->CommandText());
            }
        bareMs = std::min(bareMs, CpuMs() - t0);
        commands = texts.size();
    }

    std::printf("debugger_grid: %.3f ms vs %.3f ms = %.2fx\n", gridMs, bareMs, gridMs / bareMs);
    std::printf("# debugger_grid: best CPU time of %d builds of the grid for a layer that starts %d others "
                "(%zu blocks, %zu rows; %d layers, %d commands in all) vs one pass making the display text "
                "of the %zu commands of the shown layers (goal <= 3x)\n",
                kRounds, kStarted, blocks, rows, kLayers, kCommands + kStarted, commands);
    return 0;
}
