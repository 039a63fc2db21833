#include "cli/simulate.h"

#include "engine/simulation.h"
#include "project/projectfile.h"

namespace velkon {

int RunSimulate(const QStringList& args, QTextStream& out, QTextStream& err) {
    return TSimulation::Main(
        args, [](TScene& scene, const QString& path, TErrorLog& log) { ReadProject(scene, path, log); }, out, err);
}

} // namespace velkon
