#include "edit/linebreaks.h"

namespace velkon {

bool HasLineBreak(const QString& text) {
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

QString WithoutLineBreaks(const QString& text) {
    if (!HasLineBreak(text)) return text;
    QString s = text;
    s.remove(QLatin1Char('\r'));
    s.remove(QLatin1Char('\n'));
    return s;
}

} // namespace velkon
