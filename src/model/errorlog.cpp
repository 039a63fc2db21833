#include "model/errorlog.h"

namespace velkon {

void TErrorLog::Add(const QString& line) {
    lines_.prepend(line);
    if (OnChange)
        OnChange();
}

void TErrorLog::Clear() {
    lines_.clear();
    if (OnChange)
        OnChange();
}

} // namespace velkon
