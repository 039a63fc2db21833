#include "panels/animation/easeform.h"

namespace velkon {

TEaseForm::TEaseForm(TEditorDocument& document, QWidget* parent) : QDialog(parent), document_(document) {
    setObjectName(QStringLiteral("EaseForm"));
    setWindowTitle(QStringLiteral("Idő módosító"));
}

bool TEaseForm::Execute(TImagesItem&, TCommandItem&) {
    // TODO(ease): the ease designer is still to come.
    return false;
}

} // namespace velkon
