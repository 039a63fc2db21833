#pragma once

#include <QByteArray>
#include <QString>

namespace velkon {

// Writes bytes to path through a temporary file in the same folder and an
// atomic rename: a crash or a full disk leaves either the old file or the new
// one, never a truncated mix. Throws EVelkonError naming the path on failure.
void SafeWriteFile(const QString& path, const QByteArray& bytes);

} // namespace velkon
