#pragma once

#include <QStringList>
#include <QTextStream>

namespace velkon {

// `velkon render`: args are the arguments after "render". Returns the exit
// code: 0 when every frame was written, 1 when the project could not be read
// or a frame not written, 2 for wrong usage.
int RunRender(const QStringList& args, QTextStream& err);

} // namespace velkon
