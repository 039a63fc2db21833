#pragma once

#include "engine/commandload.h"
#include "render/framewriter.h"
#include "render/renderjob.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>

namespace velkon {

class TErrorLog;
class TScene;

// What `velkon render` was asked to do.
struct TRenderCommandOptions {
    QString ProjectPath, OutDir;
    TFrameFormat Format = TFrameFormat::Png;
    int Quality = -1; // WebP only; -1: lossless
    TRenderJobOptions Job;
};

// `velkon render PROJECT.VKP OUTDIR ...`: loads the project and writes its
// playback as PNG frames or one animated WebP, with no display.
class TRenderCommand {
public:
    using TLoader = TCommandLoader;

    // Reads the arguments after "render"; returns the problem, or an empty text.
    static QString ParseArgs(const QStringList& args, TRenderCommandOptions& options);
    static QString Usage();

    // The whole command. Exit code 0 when every frame was written, 1 when the
    // project could not be read or a frame could not be written (nothing of
    // the run stays then), 2 for wrong usage. progress: print a progress line.
    static int Main(const QStringList& args, const TLoader& loader, QTextStream& err, bool progress);
};

} // namespace velkon
