// Project load and save against the cost of just reading the same file and
// splitting it into lines, measured in the same run.

#include "generator/generator.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "project/projectfile.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <string>

using namespace velkon;

namespace {

struct TFixture {
    QTemporaryDir Dir;
    QString Project;
    TFixture() {
        bench::TGenOptions options; // 2,000 layers, 120,000 commands
        // No picture files: decoding pictures is not what is measured here.
        options.WritePictures = false;
        Project = bench::WriteGeneratedProject(Dir.path(), options);
    }
};

TFixture& Fixture() {
    static TFixture fixture;
    return fixture;
}

QList<QByteArray> ReadLines(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll().split('\n');
}

void BM_ProjectLoad(benchmark::State& state) {
    const QString path = Fixture().Project;
    for (auto _ : state) {
        state.PauseTiming();
        auto scene = std::make_unique<TScene>();
        TErrorLog log;
        state.ResumeTiming();
        ReadProject(*scene, path, log);
        benchmark::DoNotOptimize(scene->Layers.Count());
        state.PauseTiming();
        scene.reset(); // freeing the scene is not part of loading
        state.ResumeTiming();
    }
}

void BM_ReferenceReadLines(benchmark::State& state) {
    const QString path = Fixture().Project;
    for (auto _ : state) {
        QList<QByteArray> lines = ReadLines(path);
        benchmark::DoNotOptimize(lines.size());
    }
}

void BM_ProjectSave(benchmark::State& state) {
    TScene scene;
    TErrorLog log;
    ReadProject(scene, Fixture().Project, log);
    const QString path = Fixture().Dir.filePath("saved.VKP");
    for (auto _ : state)
        WriteProject(scene, path);
}

// Writing the same lines back to a file: the least any save has to do.
void BM_ReferenceWriteLines(benchmark::State& state) {
    const QList<QByteArray> lines = ReadLines(Fixture().Project);
    const QString path = Fixture().Dir.filePath("lines.txt");
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(lines.join('\n'));
        file.close();
    }
}

BENCHMARK(BM_ProjectLoad)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ReferenceReadLines)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ProjectSave)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ReferenceWriteLines)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Keeps the time per iteration of every run for the goal lines.
class TRecordingReporter : public benchmark::ConsoleReporter {
public:
    // No colours: the goal lines that follow must start clean.
    TRecordingReporter() : ConsoleReporter(OO_None) {}
    std::map<std::string, double> Millis;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            Millis[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

void PrintGoal(const char* name, double ours, double reference) {
    char line[200];
    std::snprintf(line, sizeof line, "%s: %.1f ms vs %.1f ms = %.2fx", name, ours, reference,
                  reference > 0 ? ours / reference : 0.0);
    std::cout << line << std::endl;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    Fixture();
    TRecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    auto& m = reporter.Millis;
    PrintGoal("project_load", m["BM_ProjectLoad/min_time:2.000"], m["BM_ReferenceReadLines/min_time:2.000"]);
    PrintGoal("project_save", m["BM_ProjectSave/min_time:2.000"], m["BM_ReferenceWriteLines/min_time:2.000"]);
    return 0;
}
