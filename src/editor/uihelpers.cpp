#include "editor/uihelpers.h"

#include <QAction>
#include <QToolButton>

namespace velkon {

QToolButton* ToolButton(QWidget* parent, const char* name, const QString& text, const QString& hint,
                        bool checkable) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setToolTip(hint);
    b->setCheckable(checkable);
    b->setAutoRaise(true);
    return b;
}

QToolButton* ToolButton(QWidget* parent, const char* name, QAction* action) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoRaise(true);
    b->setDefaultAction(action);
    return b;
}

QColor ToQColor(uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

uint32_t ToBgr(const QColor& c) {
    return static_cast<uint32_t>(c.red()) | static_cast<uint32_t>(c.green()) << 8 |
           static_cast<uint32_t>(c.blue()) << 16;
}

} // namespace velkon
