// The layers panel on the 2,000-layer, 120,000-command project. Prints:
//   layer_list_refresh: <rebuild + model reset seen by a view> vs <the rows' texts into a vector> = <ratio>x
//   layer_delete: <deleting one layer with its references> vs <one bare pass over all parameters> = <ratio>x
// (goal for both: at most 3x)

#include "edit/editorstate.h"
#include "edit/layerlist.h"
#include "edit/layerops.h"
#include "editor/velkonapplication.h"
#include "generator/cpuclock.h"
#include "generator/generator.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"
#include "panels/layers/layerlistmodel.h"

#include <QApplication>
#include <QTableView>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

using namespace velkon;
using bench::CpuMs;

namespace {


template <class F> double Best(int rounds, F&& f) {
    double best = 1e18;
    for (int i = 0; i < rounds; ++i) {
        const double t0 = CpuMs();
        f();
        best = std::min(best, CpuMs() - t0);
    }
    return best;
}

std::unique_ptr<TScene> Generated() {
    auto scene = std::make_unique<TScene>();
    bench::TGenOptions options;
    bench::GenerateScene(*scene, options);
    for (TGroupState& s : scene->GroupStates)
        s.Open = 1; // every layer listed
    return scene;
}

} // namespace

int main(int argc, char** argv) {
    TVelkonApplication app(argc, argv);
    std::unique_ptr<TScene> scene = Generated();
    RefreshList(*scene); // the first rebuild gathers the groups once

    // A shown view over the model: a reset re-reads the rows it shows.
    TLayerListModel model(*scene);
    QTableView view;
    view.setModel(&model);
    view.resize(500, 700);
    view.show();
    QApplication::processEvents();
    long sink = 0;
    const double ours = Best(7, [&] {
        model.Refresh();
        view.doItemsLayout();
        const QModelIndex top = view.indexAt(QPoint(1, 1));
        for (int r = std::max(0, top.row()); r < std::min(model.rowCount(), top.row() + 40); ++r)
            for (int c = 0; c < LayerColumnCount; ++c)
                sink += model.data(model.index(r, c), Qt::DisplayRole).toString().size();
    });
    // Reference: the texts of the same rows, straight from the layers (no regrouping, no model).
    const double reference = Best(7, [&] {
        std::vector<QString> texts;
        const std::vector<int> counts = CountAllLayerReferences(*scene);
        texts.reserve(static_cast<size_t>(scene->Layers.Count() + scene->Groups.size()) * LayerColumnCount);
        for (int g = 0; g < scene->Groups.size(); ++g)
            for (int c = 0; c < LayerColumnCount; ++c)
                texts.push_back(LayerRowText(*scene, TLayerRow{g, nullptr}, c));
        for (int i = scene->Layers.Count() - 1; i >= 0; --i) {
            const TLayerRow row{-1, scene->Layers.At(i), false, counts[static_cast<size_t>(i)]};
            for (int c = 0; c < LayerColumnCount; ++c)
                texts.push_back(LayerRowText(*scene, row, c));
        }
        sink += static_cast<long>(texts.size());
    });
    std::printf("layer_list_refresh: %.3f ms vs %.3f ms = %.2fx\n", ours, reference, ours / reference);
    std::printf(
        "# layer_list_refresh: RefreshList of %d layers with the model reset a shown view sees, against "
        "the same rows' texts built into a vector (goal: ratio <= 3)\n",
        scene->Layers.Count());

    // Deleting one layer from the middle, on a fresh copy of the project each round.
    TErrorLog log;
    TScriptedDialogs dialogs;
    dialogs.DefaultYesNo = true;
    double deleteMs = 1e18, passMs = 1e18;
    for (int round = 0; round < 5; ++round) {
        std::unique_ptr<TScene> s = Generated();
        TImagesItem* victim = s->Layers.At(s->Layers.Count() / 2);
        const QString name = victim->Name;
        // Reference: one bare pass over every parameter text, comparing it to the name.
        double t0 = CpuMs();
        int equal = 0;
        for (const auto& [layerName, layer] : s->Layers)
            for (int t = 1; t <= 12; ++t) {
                const TCommands& track = layer->TrackByNumber(t);
                for (int c = 0; c < track.Count(); ++c)
                    for (int p = 1; p <= 3; ++p)
                        equal += track.Item(c)->Param(p) == name;
            }
        passMs = std::min(passMs, CpuMs() - t0);
        sink += equal;
        victim->Selected = true;
        // The delete records its undo step; the ring already holds the project
        // from an earlier step, as it does once the user has edited anything.
        TEditorState state(*s);
        state.Undo.Record(-TUndoBuffer::kindMouseMove);
        t0 = CpuMs();
        DeleteSelected(state, dialogs, log, {TLayerRow{-1, victim}});
        deleteMs = std::min(deleteMs, CpuMs() - t0);
        sink += s->Layers.Count();
    }
    std::printf("layer_delete: %.3f ms vs %.3f ms = %.2fx\n", deleteMs, passMs, deleteMs / passMs);
    std::printf(
        "# layer_delete: one layer of 2,000 deleted with the commands naming it (120,000 commands) against "
        "one bare pass over all parameter texts (goal: ratio <= 3) %ld\n",
        sink % 10);
    return 0;
}
