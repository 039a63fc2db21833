#include "model/errorlog.h"

namespace velkon {

void TErrorLog::Add(const QString& line) {
    ++notices_;
    lastNotice_ = line;
    AddQuiet(line);
}

void TErrorLog::AddQuiet(const QString& line) {
    lines_.prepend(line);
    ++added_;
    if (OnChange) OnChange();
}

void TErrorLog::Clear() {
    lines_.clear();
    ++clears_;
    if (OnChange) OnChange();
}

} // namespace velkon
