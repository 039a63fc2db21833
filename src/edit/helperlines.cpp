#include "edit/helperlines.h"

#include "edit/listroom.h"
#include "edit/phasestep.h"
#include "model/scene.h"
#include <QCoreApplication>

namespace velkon {

bool ToggleHelperLine(TScene& scene, bool horizontal, int position) {
    const QString value = QString::number(position);
    const QString name = (horizontal ? QStringLiteral("V") : QStringLiteral("F")) + value;
    if (!scene.LineValue(name).isEmpty()) {
        scene.SetLineValue(name, QString());
        return false;
    }
    CheckListRoom(scene.Lines.size(), 1,
                  QCoreApplication::translate("HelperLines", "A segédvonalak listája"));
    scene.SetLineValue(name, value);
    return true;
}

std::vector<THelperLine> HelperLines(const TScene& scene) {
    std::vector<THelperLine> lines;
    lines.reserve(static_cast<size_t>(scene.Lines.size()));
    for (const QString& entry : scene.Lines) {
        const auto eq = entry.indexOf(QLatin1Char('='));
        if (eq < 0) continue;
        int v = 0;
        if (!PlainInt(entry.mid(eq + 1), v)) continue;
        lines.push_back({entry.left(eq).contains(QLatin1Char('V')), v});
    }
    return lines;
}

} // namespace velkon
