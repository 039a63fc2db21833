#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace velkon {

// Writes bytes to path through a temporary file in the same folder and an
// atomic rename: a crash, a kill or a full disk leaves either the old file or
// the new one, never a truncated mix. Every step is checked (write, flush to
// disk, close, rename). A target that is a symbolic link or a folder is
// refused: nothing is ever written through a link. Throws EVelkonError naming
// the path on failure; the old file then stays whole.
void SafeWriteFile(const QString& path, const QByteArray& bytes);

// Throws EVelkonError when path may not be written by SafeWriteFile (a
// symbolic link or a folder stands there); writes nothing.
void CheckWriteTarget(const QString& path);

// Whether a file name is a temporary of SafeWriteFile
// (".<name>.vktmp.<pid>.XXXXXX") whose process is gone.
bool IsStaleTemporary(const QString& fileName);

// Removes the temporary files that writes killed half-way left in folder:
// only the editor's own (IsStaleTemporary), never a file of the user's.
// Returns how many were removed.
int RemoveStaleTemporaries(const QString& folder);

} // namespace velkon
