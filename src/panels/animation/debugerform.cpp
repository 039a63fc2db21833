#include "panels/animation/debugerform.h"

namespace velkon {

TDebugerForm::TDebugerForm(TEditorDocument& document, QWidget* parent) : QDialog(parent), document_(document) {
    setObjectName(QStringLiteral("DebugerForm"));
    setWindowTitle(QStringLiteral("Hibakereső"));
}

void TDebugerForm::Open(TEditorDocument& document, QWidget* parent) {
    // TODO(debugger): the grid is still to come.
    TDebugerForm form(document, parent);
    Q_UNUSED(form);
}

} // namespace velkon
