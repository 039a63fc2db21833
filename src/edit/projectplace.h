#pragma once

#include <QString>

namespace velkon {

class TErrorLog;
class TScene;

// Where the project lives: the folder and file the next Ctrl+S writes to.
QString ProjectPlace(const TScene& scene);

// After a pack: one log line with the pack file and the project's new place
// (the pack writes the project beside it, and the project then lives there).
void ReportPack(TErrorLog& log, const QString& packPath, const TScene& scene);

} // namespace velkon
