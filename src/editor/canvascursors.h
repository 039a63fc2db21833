#pragma once

#include "edit/canvasinteraction.h"

#include <QCursor>

namespace velkon {

// The pointer shape for what the canvas interaction asks for. The rotate
// cursor is the editor's own: a circular arrow drawn at first use.
QCursor CanvasCursor(TCanvasCursor cursor);

// The rotate cursor's picture (32 x 32, transparent, hot spot in the middle).
QPixmap RotateCursorPixmap();

} // namespace velkon
