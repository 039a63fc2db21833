#include "fuzzsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace velkon::fuzz {

QString WorkDir() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/velkon-fuzz-XXXXXX"));
    if (!dir.isValid()) Fail(QStringLiteral("no temporary folder: ") + dir.errorString());
    return dir.path();
}

QString WriteInput(const QString& name, const uint8_t* data, size_t size) {
    const QString path = WorkDir() + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size))
        Fail(QStringLiteral("cannot write the input to ") + path);
    return path;
}

void Fail(const QString& what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what.toLocal8Bit().constData());
    std::fflush(stderr);
    std::abort();
}

} // namespace velkon::fuzz

#include "model/commanddesc.h"
#include "model/velkonerror.h"

#include <limits>

namespace velkon::fuzz {

namespace {

TImagesItem* AddLayer(TScene& scene, const QString& name, double left, double top, double width,
                      double height) {
    auto layer = std::make_unique<TImagesItem>();
    layer->Name = name;
    layer->Left = left;
    layer->Top = top;
    layer->Width = width;
    layer->Height = height;
    TImagesItem* added = scene.Layers.Add(name, std::move(layer));
    added->SelectAnimation(TImagesItem::animBase);
    return added;
}

} // namespace

TSmallScene::TSmallScene() {
    Base = AddLayer(Scene, QStringLiteral("Base"), 10, 20, 100, 50);
    Base->Angle = 30;
    Child = AddLayer(Scene, QStringLiteral("Child"), 200, 150, 40, 30);
    Child->Parent = QStringLiteral("Base");
    Scene.SaveAll();
    Player.OnError = [this](const QString& m) { Errors << m; };
}

TCommandItem* TSmallScene::Add(int command, const QString& p1, const QString& p2, const QString& p3) {
    TCommands& track = Child->Base.Track[0];
    TCommandItem* c = track.Add(CommandName(command), std::make_unique<TCommandItem>(command, p1, p2, p3));
    c->Owner = Child;
    return c;
}

bool TSmallScene::Play() {
    TCommands& track = Child->Base.Track[0];
    try {
        Player.ReadClock();
        Player.StartTrack(*Child, track);
    } catch (const EVelkonError& e) {
        Errors << e.Message();
    }
    for (const int32_t ms : {0, 1, 17, 500, 1000, 5000, 100000, std::numeric_limits<int32_t>::max()}) {
        Clock.Set(ms);
        Player.Tick();
    }
    return track.Running();
}

QString Text(const uint8_t* data, size_t size) {
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

} // namespace velkon::fuzz
