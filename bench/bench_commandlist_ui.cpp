// The command list on a 10,000-command track. Prints:
//   command_list_fill: <list model filled> vs <row texts into a vector> = <ratio>x   (goal: at most 3x)
//   clipboard_roundtrip: <copy and paste> vs <split and join the text> = <ratio>x    (goal: at most 3x)

#include "edit/commandlist.h"
#include "edit/editorstate.h"
#include "model/commanddesc.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"
#include "panels/animation/commandlistmodel.h"

#include "generator/cpuclock.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <numeric>
#include <vector>

using namespace velkon;
using bench::CpuMs;

namespace {

constexpr int TrackLength = 10000;
constexpr int Rounds = 31;


// The median CPU time of f over the rounds; prepare runs untimed before each.
template <class F, class P = void (*)()> double Median(F&& f, P&& prepare = [] {}) {
    std::vector<double> v;
    for (int r = 0; r < Rounds; ++r) {
        prepare();
        const double t0 = CpuMs();
        f();
        v.push_back(CpuMs() - t0);
    }
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

TImagesItem* AddLayer(TScene& scene, const QString& name) {
    auto l = std::make_unique<TImagesItem>();
    l->Name = name;
    l->Width = l->Height = 64;
    l->SelectAnimation(0);
    return scene.Layers.Add(name, std::move(l));
}

// An animator's mix: moves, rotations, fades, waits, keyframes and loops.
void Fill(TCommands& track) {
    for (int i = 0; i < TrackLength; ++i) {
        const QString n = QString::number(i % 700);
        switch (i % 8) {
        case 0:
            track.Add(
                std::make_unique<TCommandItem>(cmdMoveTo, n, QStringLiteral("120"), QStringLiteral("0,5")));
            break;
        case 1:
            track.Add(
                std::make_unique<TCommandItem>(cmdRotate, QStringLiteral("90"), QStringLiteral("1,25")));
            break;
        case 2:
            track.Add(std::make_unique<TCommandItem>(cmdFadeTo, QStringLiteral("128"),
                                                     QStringLiteral("Random(1;3)")));
            break;
        case 3:
            track.Add(std::make_unique<TCommandItem>(cmdWait, QStringLiteral("0,3")));
            break;
        case 4:
            track.Add(std::make_unique<TCommandItem>(
                cmdKeyFrame, QStringLiteral("x=%1y=20w=64h=64a=0f=255").arg(n), QStringLiteral("0,2")));
            break;
        case 5:
            track.Add(std::make_unique<TCommandItem>(cmdPlaySfx, QStringLiteral("boing.wav")));
            break;
        case 6:
            track.Add(std::make_unique<TCommandItem>(cmdRelativeMoveTo, QStringLiteral("-5"), n,
                                                     QStringLiteral("1")));
            break;
        default:
            track.Add(std::make_unique<TCommandItem>(cmdLoop, QStringLiteral("2"), QStringLiteral("3")));
            break;
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    TScene scene;
    TEditorState state(scene);
    TScriptedDialogs dialogs;
    TImagesItem* source = AddLayer(scene, QStringLiteral("Source"));
    TImagesItem* target = AddLayer(scene, QStringLiteral("Target"));
    TCommands& track = *source->ActiveTracks[0];
    Fill(track);

    // command_list_fill: the model as the panel fills it, against the same texts into a vector.
    TCommandListModel model;
    size_t sink = 0;
    const double fillMs = Median([&] {
        model.SetRows(CommandRows(track));
        sink += static_cast<size_t>(model.rowCount());
    });
    const double textsMs = Median([&] {
        std::vector<std::pair<QString, QString>> rows;
        rows.reserve(static_cast<size_t>(track.Count()));
        for (int i = 0; i < track.Count(); ++i) {
            QString caption = QString::number(i + 1).left(2);
            if (caption.size() < 2) caption.prepend(QLatin1Char('0'));
            caption += QLatin1String(". ");
            caption += track.Name(i);
            rows.emplace_back(std::move(caption), track.Item(i)->CommandText());
        }
        sink += rows.size();
    });

    // clipboard_roundtrip: copy every row, paste into another layer's empty
    // track (with its undo step), against splitting and joining the text.
    std::vector<int> all(static_cast<size_t>(TrackLength));
    std::iota(all.begin(), all.end(), 0);
    TCommands& destination = *target->ActiveTracks[0];
    state.Undo.Record(-TUndoBuffer::kindMouseMove); // the ring's first copy of the scene is not the paste's
    const QString sample = CopyCommands({state, dialogs, *source, track}, all);
    // Emptying the destination between rounds (freeing 10,000 commands) is
    // not part of a copy and paste. Every paste keeps its commands in an undo
    // step until the ring of 255 steps wraps: measured once the ring is full,
    // the steady state of a session, as the keyframe store is.
    const auto roundTrip = [&] {
        const QString text = CopyCommands({state, dialogs, *source, track}, all);
        sink += PasteCommands({state, dialogs, *target, destination}, text, {}, true).size();
    };
    for (int i = 0; i < 256; ++i) {
        destination.Clear();
        roundTrip();
    }
    const double roundMs = Median(roundTrip, [&] { destination.Clear(); });
    const double splitMs = Median([&] {
        const QStringList lines = sample.split(QStringLiteral("\r\n"));
        const QString joined = lines.join(QStringLiteral("\r\n"));
        sink += static_cast<size_t>(joined.size());
    });
    if (destination.Count() != TrackLength) std::fprintf(stderr, "paste lost commands\n");

    std::printf("command_list_fill: %.3f ms vs %.3f ms = %.2fx\n", fillMs, textsMs, fillMs / textsMs);
    std::printf("clipboard_roundtrip: %.3f ms vs %.3f ms = %.2fx\n", roundMs, splitMs, roundMs / splitMs);
    std::printf("# %d commands, median CPU time of %d rounds, the paste's undo ring full (%zu)\n", TrackLength,
                Rounds, sink);
    return 0;
}
