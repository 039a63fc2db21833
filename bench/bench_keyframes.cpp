// Keyframe editing on 200 member layers: storing their poses (with the undo
// step the store records) next to writing the same pose texts into the
// commands directly, and selecting a column next to parsing the same poses.
#include "edit/editorstate.h"
#include "edit/keyframes.h"
#include "engine/params.h"
#include "model/commanddesc.h"
#include "model/imagesitem.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"

#include "generator/cpuclock.h"

#include <QString>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

using namespace velkon;
using bench::CpuMs;

namespace {

constexpr int kMembers = 200;
constexpr int kKeyframes = 10;
constexpr int kRounds = 301;


double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void BuildScene(TScene& scene) {
    for (int i = 0; i < kMembers; ++i) {
        auto l = std::make_unique<TImagesItem>();
        l->Name = QStringLiteral("member%1").arg(i);
        l->Left = i;
        l->Top = 2 * i;
        l->Width = 64;
        l->Height = 48;
        l->SelectAnimation(TImagesItem::animBase);
        for (int k = 0; k < kKeyframes; ++k)
            l->Base.Track[0].Add(std::make_unique<TCommandItem>(
                cmdKeyFrame,
                QStringLiteral("x=%1y=%2w=64h=48a=%3f=255").arg(i + 10 * k).arg(2 * i + k).arg(k),
                QStringLiteral("0,5")));
        l->Selected = true;
        const QString name = l->Name;
        scene.Layers.Add(name, std::move(l));
    }
    scene.SelectedCount = kMembers;
}

// A change on the canvas: every member moves by one pixel.
void MoveMembers(TScene& scene, TEditorState& state) {
    for (const auto& entry : scene.Layers)
        entry.second->Left += 1;
    // What the canvas's own undo step does to the store flags.
    state.KeyframePoseClean = false;
    state.KeyframeStoreRecorded = false;
}

} // namespace

int main() {
    TScene scene;
    BuildScene(scene);
    TEditorState state(scene);
    TScriptedDialogs dialogs;
    TKeyframeEditor editor(state);
    if (!editor.EditingOn(dialogs)) return 1;
    editor.SelectColumn(4);

    // The undo ring is filled first: a session's stores replace old steps
    // rather than grow the heap, and that steady state is what is measured.
    for (int r = 0; r < 255; ++r) {
        MoveMembers(scene, state);
        editor.Store(TKeyframeEditor::storeOther);
    }
    // Store: ours with its undo step, against writing the texts directly.
    std::vector<double> ours, reference;
    for (int r = 0; r < kRounds; ++r) {
        MoveMembers(scene, state);
        double t0 = CpuMs();
        editor.Store(TKeyframeEditor::storeOther);
        ours.push_back(CpuMs() - t0);

        MoveMembers(scene, state);
        t0 = CpuMs();
        for (const auto& entry : scene.Layers)
            entry.second->Base.Track[0].Item(3)->SetParam(1, TKeyframeEditor::PoseText(*entry.second));
        reference.push_back(CpuMs() - t0);
    }
    const double storeMs = Median(ours), writeMs = Median(reference);

    // Apply: selecting a column, against parsing the same pose texts.
    ours.clear();
    reference.clear();
    long checksum = 0;
    for (int r = 0; r < kRounds; ++r) {
        const int column = 1 + r % kKeyframes;
        double t0 = CpuMs();
        editor.SelectColumn(column);
        ours.push_back(CpuMs() - t0);

        t0 = CpuMs();
        for (const auto& entry : scene.Layers) {
            const TKeyText key = SplitKeyText(entry.second->Base.Track[0].Item(column - 1)->sParam1());
            checksum += key.X.toInt() + key.Y.toInt() + key.W.toInt() + key.H.toInt() + key.A.toInt() +
                        (key.HasAlpha ? key.F.toInt() : 255);
        }
        reference.push_back(CpuMs() - t0);
    }
    const double applyMs = Median(ours), parseMs = Median(reference);

    std::printf("keyframe_store: %.4f ms vs %.4f ms = %.2fx\n", storeMs, writeMs, storeMs / writeMs);
    std::printf("keyframe_apply: %.4f ms vs %.4f ms = %.2fx\n", applyMs, parseMs, applyMs / parseMs);
    std::printf("# keyframe_store: median CPU time of %d stores of %d poses incl. the undo step (ring full), "
                "vs formatting "
                "and writing the same texts (goal <= 3x)\n",
                kRounds, kMembers);
    std::printf(
        "# keyframe_apply: median CPU time of selecting a column of %d members vs splitting and reading "
        "the same poses (goal <= 3x; checksum %ld)\n",
        kMembers, checksum);
    return 0;
}
