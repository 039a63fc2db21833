#include "edit/linebreaks.h"

#include "project/windows1250.h"
#include <QCoreApplication>

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

QString StoredNameProblem(const QString& name) {
    if (HasLineBreak(name))
        return QCoreApplication::translate("LineBreaks", "A név nem tartalmazhat sortörést!");
    const qsizetype at = FirstNonWindows1250(name);
    if (at >= 0) {
        const qsizetype length = name.at(at).isHighSurrogate() && at + 1 < name.size() ? 2 : 1;
        return QCoreApplication::translate("LineBreaks", "A(z) \"%1\" karakter nem írható a projekt fájlba "
                                                         "(Windows-1250), a név nem használható: %2")
            .arg(name.mid(at, length), name);
    }
    return {};
}

} // namespace velkon
