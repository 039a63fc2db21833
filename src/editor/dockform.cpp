#include "editor/dockform.h"

#include <QCloseEvent>

namespace velkon {

TDockForm::TDockForm(const QString& name, const QString& caption, QWidget* parent)
    : QDockWidget(caption, parent) {
    setObjectName(name);
    // Panels float or dock, but only the layout commands hide them.
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
}

void TDockForm::SetFloatingAt(bool floating, const QRect& geometry) {
    setFloating(floating);
    if (floating && geometry.isValid()) setGeometry(geometry);
}

void TDockForm::closeEvent(QCloseEvent* event) {
    event->ignore();
}

} // namespace velkon
