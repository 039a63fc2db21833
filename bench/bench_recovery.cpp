// What a recovery copy costs the UI thread on the large project: the look
// that starts a copy after the user moved one layer (the text of the changed
// layers, the list of parts, the hand-over to the writing thread), next to
// the 16 ms of one frame. The write itself runs on another thread.
#include "edit/editorstate.h"
#include "edit/recoverykeeper.h"
#include "edit/undobuffer.h"
#include "generator/cpuclock.h"
#include "generator/generator.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "project/projecttextcache.h"
#include "project/recoverystore.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace velkon;
using bench::CpuMs;

namespace {

constexpr int kLayers = 2000;
constexpr int kCommands = 120000;


} // namespace

int main() {
    TScene scene;
    bench::TGenOptions options;
    options.Layers = kLayers;
    options.Commands = kCommands;
    bench::GenerateScene(scene, options);
    scene.Saved = true;
    TEditorState state(scene);
    TErrorLog log;
    QTemporaryDir dir;
    TRecoveryStore store(dir.filePath(QStringLiteral("recovery")));
    constexpr int64_t kDelay = 5000;
    TRecoveryKeeper keeper(state, store, log, kDelay);

    // The project was just opened: the looks of the first seconds prepare the layers' texts.
    int64_t now = 0;
    double warmWorst = 0;
    for (int i = 0; i < 40; ++i) {
        const double t0 = CpuMs();
        keeper.Tick(now += kDelay / 20, false);
        warmWorst = std::max(warmWorst, CpuMs() - t0);
    }
    // A copy due before that: every layer's text at once.
    TProjectTextCache cold;
    const double c0 = CpuMs();
    const size_t coldBytes = static_cast<size_t>(cold.Parts(scene).Join().size());
    const double coldMs = CpuMs() - c0;
    // One pause: a layer moved, a look that sees the change, a look after the pause that starts the copy.
    const auto pause = [&](int layer, bool reorder) {
        state.Undo.Record(reorder ? -TUndoBuffer::kindLayerOrder : -TUndoBuffer::kindMouseMove);
        if (reorder)
            scene.Layers.Move(layer, kLayers - 1 - layer);
        else
            scene.Layers.At(layer)->Left += 1;
        scene.Saved = false;
        keeper.Tick(now += 100, false);
        now += kDelay / 5;
        const double t0 = CpuMs();
        const TRecoveryAction action = keeper.Tick(now, false);
        const double ms = CpuMs() - t0;
        QElapsedTimer wall;
        wall.start();
        keeper.Finish();
        return std::make_tuple(action == TRecoveryAction::Write, ms, wall.nsecsElapsed() / 1e6);
    };
    const auto [firstOk, firstMs, firstWriteMs] = pause(0, false);
    std::vector<double> moves, writes;
    bool allWritten = firstOk;
    for (int i = 1; i <= 30; ++i) {
        const auto [ok, ms, writeMs] = pause((i * 37) % kLayers, false);
        allWritten = allWritten && ok;
        moves.push_back(ms);
        writes.push_back(writeMs);
    }
    const auto [reorderOk, reorderMs, reorderWriteMs] = pause(5, true);
    allWritten = allWritten && reorderOk && store.HasCopy() && log.Lines().isEmpty();
    std::sort(moves.begin(), moves.end());
    std::sort(writes.begin(), writes.end());
    const double worst = std::max({moves.back(), reorderMs, firstMs, warmWorst});
    std::printf("recovery_pause: %.3f ms vs 16.000 ms = %.3fx\n", worst, worst / 16.0);
    std::printf(
        "# recovery_pause: UI-thread CPU time of the look that starts a copy after one edit (%d layers, %d "
        "commands), the slowest of the first copy after opening (%.3f ms), 30 layer moves (median %.3f ms), "
        "a "
        "reorder (%.3f ms) and the idle looks that prepare the texts in the first 10 s (%.3f ms), goal <= 16 "
        "ms; "
        "the write on its own thread %.1f ms (median wall time); a copy due before the texts are prepared "
        "(an edit within 8 s of opening) would take %.1f ms for %.1f MB%s\n",
        kLayers, kCommands, firstMs, moves[moves.size() / 2], reorderMs, warmWorst, writes[writes.size() / 2],
        coldMs, coldBytes / 1048576.0, allWritten ? "" : "; NOT EVERY COPY WAS WRITTEN");
    (void)firstWriteMs;
    (void)reorderWriteMs;
    return allWritten ? 0 : 1;
}
