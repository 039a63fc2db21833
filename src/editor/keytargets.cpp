#include "editor/keytargets.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace velkon {

bool IsTextEntry(const QWidget* target) {
    if (const auto* combo = qobject_cast<const QComboBox*>(target)) return combo->isEditable();
    return qobject_cast<const QLineEdit*>(target) || qobject_cast<const QAbstractSpinBox*>(target) ||
           qobject_cast<const QTextEdit*>(target) || qobject_cast<const QPlainTextEdit*>(target);
}

bool OwnsItsKeys(const QWidget* target) {
    for (const QWidget* p = target; p; p = p->parentWidget())
        if (qobject_cast<const QDockWidget*>(p)) return true;
    return IsTextEntry(target) || qobject_cast<const QComboBox*>(target) ||
           qobject_cast<const QAbstractSlider*>(target) || qobject_cast<const QAbstractItemView*>(target);
}

} // namespace velkon
