#pragma once

#include "editor/velkonapplication.h"

#include <QColor>
#include <QObject>
#include <cstdint>
#include <utility>

class QAction;
class QToolButton;
class QWidget;

namespace velkon {

// Connects a signal to a handler whose errors go to the error log against the
// sender (the control the user touched), never out of the slot.
template <class Sender, class Signal, class Handler>
QMetaObject::Connection On(Sender* sender, Signal signal, QObject* context, Handler handler) {
    return QObject::connect(sender, signal, context, [sender, handler = std::move(handler)] {
        TVelkonApplication::Guard(sender, handler);
    });
}

// A flat tool button with the name the layout files and the tests know it by.
QToolButton* ToolButton(QWidget* parent, const char* name, const QString& text, const QString& hint,
                        bool checkable = false);
// A flat tool button that shows and runs an action: its text (the action's
// icon text), hint, check mark and enabled state follow the action.
QToolButton* ToolButton(QWidget* parent, const char* name, QAction* action);

// The scene stores colours as 0x00BBGGRR.
QColor ToQColor(uint32_t bgr);
uint32_t ToBgr(const QColor& colour);

} // namespace velkon
