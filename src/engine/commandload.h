#pragma once

#include <QString>
#include <QTextStream>
#include <cstdint>
#include <functional>

namespace velkon {

class TErrorLog;
class TScene;

// How a headless command reads its project (the project reader, or a test's scene).
using TCommandLoader = std::function<void(TScene&, const QString& path, TErrorLog&)>;

// Reads the project for the command named by `command` ("velkon simulate"):
// the read's log lines go to err oldest first as "load: …". A missing file
// or a failed read is told as "<command>: cannot read the project …" and
// gives false. readPath is what the loader gets (the given path when empty).
bool LoadForCommand(const QString& command, const QString& path, const TCommandLoader& loader, TScene& scene,
                    QTextStream& err, const QString& readPath = {});

// A whole number from text within [low, high].
bool ReadWholeNumber(const QString& text, int64_t low, int64_t high, int64_t& value);

} // namespace velkon
