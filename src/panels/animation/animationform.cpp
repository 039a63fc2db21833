#include "panels/animation/animationform.h"

namespace velkon {

TAnimationForm::TAnimationForm(TEditorDocument& document, QWidget* parent) : QDialog(parent), document_(document) {
    setObjectName(QStringLiteral("AnimationForm"));
    setWindowTitle(QStringLiteral("Animation Editor"));
}

std::optional<TCommandFields> TAnimationForm::Execute(TImagesItem&, const TCommandItem*) {
    // TODO(dialog): the command edit dialog is still to come.
    return std::nullopt;
}

} // namespace velkon
