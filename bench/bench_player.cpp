// One player tick over 2,000 layers whose three Base tracks all run movement
// commands, against a bare loop that interpolates as many doubles.
#include "engine/clock.h"
#include "engine/player.h"
#include "model/commanddesc.h"
#include "model/commands.h"
#include "model/scene.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace velkon;

namespace {

constexpr int LayerCount = 2000;
// MoveTo drives two properties, Rotate and FadeTo one each.
constexpr int DoublesPerLayer = 4;
// Long enough that no command ends while the benchmark runs.
const QString LongDuration = QStringLiteral("100000");

void AddCommand(TCommands& track, int command, const QString& p1, const QString& p2, const QString& p3 = {}) {
    track.Add(CommandName(command), std::make_unique<TCommandItem>(command, p1, p2, p3));
}

struct TBenchScene {
    TScene Scene;
    TManualClock Clock;
    TPlayer Player{Scene, Clock};

    TBenchScene() {
        for (int i = 0; i < LayerCount; ++i) {
            auto layer = std::make_unique<TImagesItem>();
            layer->Name = QStringLiteral("L%1").arg(i);
            layer->Left = i % 1024;
            layer->Top = i % 768;
            layer->Width = layer->Height = 64;
            const QString name = layer->Name;
            TImagesItem* l = Scene.Layers.Add(name, std::move(layer));
            AddCommand(l->Base.Track[0], cmdMoveTo, QString::number(1023 - i % 1024), QString::number(767 - i % 768),
                       LongDuration);
            AddCommand(l->Base.Track[1], cmdRotate, QStringLiteral("360"), LongDuration);
            AddCommand(l->Base.Track[2], cmdFadeTo, QStringLiteral("0"), LongDuration);
            for (TCommands& t : l->Base.Track)
                Player.StartTrack(*l, t);
        }
    }
};

void BM_PlayerTick(benchmark::State& state) {
    TBenchScene b;
    int32_t now = 0;
    for (auto _ : state) {
        b.Clock.Set(++now);
        benchmark::DoNotOptimize(b.Player.Tick());
    }
    benchmark::DoNotOptimize(b.Scene.Layers.At(0)->Left);
}
BENCHMARK(BM_PlayerTick);

// The same interpolation with nothing around it: start, target, start time and
// duration per value, the value written back.
struct TBareValue {
    double Start, Target;
    int32_t StartTime, Duration;
};

void BM_BareInterpolation(benchmark::State& state) {
    const int n = LayerCount * DoublesPerLayer;
    std::vector<TBareValue> values(n);
    std::vector<double> out(n);
    for (int i = 0; i < n; ++i)
        values[i] = {double(i % 1024), double(1023 - i % 1024), 0, 100000000};
    int32_t now = 0;
    for (auto _ : state) {
        ++now;
        for (int i = 0; i < n; ++i) {
            const TBareValue& v = values[i];
            const double g = double(now - v.StartTime) / v.Duration;
            out[i] = v.Start + (v.Target - v.Start) * g;
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BareInterpolation);

class TCapture : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> Ns;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            Ns[r.benchmark_name()] = r.GetAdjustedRealTime(); // in the run's time unit (ns by default)
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    TCapture capture;
    benchmark::RunSpecifiedBenchmarks(&capture);
    const double ours = capture.Ns["BM_PlayerTick"];
    const double reference = capture.Ns["BM_BareInterpolation"];
    if (ours > 0 && reference > 0)
        std::printf("player_tick: %.1fus vs %.1fus = %.2fx\n", ours / 1000, reference / 1000, ours / reference);
    benchmark::Shutdown();
    return 0;
}
