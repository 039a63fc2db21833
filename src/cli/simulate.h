#pragma once

#include <QStringList>
#include <QTextStream>

namespace velkon {

// `velkon simulate`: args are the arguments after "simulate". Returns the exit
// code: 0 when it ran, 1 when the project could not be read, 2 for wrong usage.
int RunSimulate(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace velkon
