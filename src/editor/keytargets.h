#pragma once

class QWidget;

namespace velkon {

// Whether the control takes typed text, and so keeps its letters and its own undo.
bool IsTextEntry(const QWidget* target);

// Whether the control's keys are its own: a control on a docked panel, or an
// input control (field, list, slider, pick list) anywhere.
bool OwnsItsKeys(const QWidget* target);

} // namespace velkon
