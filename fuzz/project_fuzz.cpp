// The project file: whatever reads must write, and the written file must read
// back to the same text.
#include "fuzzsupport.h"

#include "engine/clock.h"
#include "engine/player.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/velkonerror.h"
#include "project/projectfile.h"

#include <QDir>

using namespace velkon;

namespace {

QString FirstDifference(const QString& a, const QString& b) {
    qsizetype i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    const qsizetype from = std::max<qsizetype>(0, i - 60);
    return QStringLiteral("first read:\n%1\nread again:\n%2").arg(a.mid(from, 160), b.mid(from, 160));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The input sits alone in its folder, so every resource it lists is missing
    // (or is the project file itself).
    const QString dir = fuzz::WorkDir();
    QDir(dir).mkpath(QStringLiteral("in"));
    QDir(dir).mkpath(QStringLiteral("out"));
    const QString path = fuzz::WriteInput(QStringLiteral("in/p.VKP"), data, size);

    TScene scene;
    TErrorLog log;
    try {
        ReadProject(scene, path, log);
    } catch (const EVelkonError&) {
        return 0; // a refused file is fine; only what reads has to round-trip
    }
    const QString first = ProjectText(scene);
    const QString copy = dir + QStringLiteral("/out/p.VKP");
    try {
        WriteProject(scene, copy);
    } catch (const EVelkonError&) {
        return 0; // a text the code page cannot hold is refused with a message
    }
    TScene again;
    TErrorLog log2;
    try {
        ReadProject(again, copy, log2);
    } catch (const EVelkonError& e) {
        fuzz::Fail(QStringLiteral("a written project does not read back: ") + e.Message());
    }
    const QString second = ProjectText(again);
    if (second != first)
        fuzz::Fail(QStringLiteral("a written project reads back different\n") +
                   FirstDifference(first, second));

    // What reads also plays: every Base track from the start, a few ticks.
    TManualClock clock;
    TPlayer player(scene, clock);
    player.OnError = [](const QString&) {};
    scene.SaveAll();
    player.ReadClock();
    for (int i = 0; i < scene.Layers.Count(); ++i) {
        TImagesItem& layer = *scene.Layers.At(i);
        layer.SelectAnimation(TImagesItem::animBase);
        for (TCommands& track : layer.Base.Track) {
            try {
                player.StartTrack(layer, track);
            } catch (const EVelkonError&) {
            }
        }
    }
    for (const int32_t ms : {0, 16, 1000, 60000}) {
        clock.Set(ms);
        player.Tick();
    }
    return 0;
}
