#include "edit/helperlines.h"

#include "edit/listroom.h"
#include "model/scene.h"

namespace velkon {

bool ToggleHelperLine(TScene& scene, bool horizontal, int position) {
    const QString value = QString::number(position);
    const QString name = (horizontal ? QStringLiteral("V") : QStringLiteral("F")) + value;
    if (!scene.LineValue(name).isEmpty()) {
        scene.SetLineValue(name, QString());
        return false;
    }
    CheckListRoom(scene.Lines.size(), 1, QStringLiteral("A segédvonalak listája"));
    scene.SetLineValue(name, value);
    return true;
}

} // namespace velkon
