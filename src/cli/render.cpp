#include "cli/render.h"

#include "project/projectfile.h"
#include "render/rendercommand.h"

#include <cstdio>
#include <unistd.h>

namespace velkon {

int RunRender(const QStringList& args, QTextStream& err) {
    // The progress line is for a person watching, not for a log or a pipe.
    const bool terminal = isatty(fileno(stderr)) == 1;
    return TRenderCommand::Main(
        args, [](TScene& scene, const QString& path, TErrorLog& log) { ReadProject(scene, path, log); }, err,
        terminal);
}

} // namespace velkon
