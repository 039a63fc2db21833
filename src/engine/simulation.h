#pragma once

#include "engine/commandload.h"
#include "engine/virtualplay.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <cstdint>
#include <functional>

namespace velkon {

class TErrorLog;
class TImagesItem;
class TScene;

// What `velkon simulate` was asked to do.
struct TSimulationOptions {
    QString ProjectPath;
    QList<int32_t> At;                       // ascending, without repeats
    int32_t Step = 1;
    uint32_t Seed = 1;
    int32_t TimeScale = 1;
    QList<QPair<QString, int32_t>> Touches;  // layer, time
    QStringList Preview;                     // empty: full play
    bool AutoStop = true;
    bool Events = false;
};

// Plays a loaded scene headless on a virtual clock, as the editor's idle loop
// would, and prints the layers' states at the chosen times.
class TSimulation {
public:
    using TLoader = TCommandLoader;

    // Reads the arguments after "simulate"; returns the problem, or an empty text.
    static QString ParseArgs(const QStringList& args, TSimulationOptions& options);
    static QString Usage();

    // The whole command: parse, load through loader, run. Exit code 0 when it
    // ran, 1 when the project could not be read, 2 for wrong usage.
    static int Main(const QStringList& args, const TLoader& loader, QTextStream& out, QTextStream& err);

    TSimulation(TScene& scene, const TSimulationOptions& options);

    // Layers named by --preview or --touch that the scene lacks; empty when all are there.
    QString CheckNames() const;
    void Run(QTextStream& out, QTextStream& err);

    // "T NAME x=.. y=.. w=.. h=.. a=.. f=.. v=.. flip=.. file=.."
    static QString StateLine(int32_t time, const TImagesItem& layer);
    // The virtual playback the options ask for.
    static TVirtualPlayOptions PlayOptions(const TSimulationOptions& options);

private:
    TScene& scene_;
    const TSimulationOptions& options_;
};

} // namespace velkon
