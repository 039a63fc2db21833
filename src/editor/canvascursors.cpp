#include "editor/canvascursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <numbers>

namespace velkon {

QPixmap RotateCursorPixmap() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // Three quarters of a circle about the hot spot, an arrow head at its open end.
    const QRectF circle(7, 7, 18, 18);
    QPainterPath arc;
    arc.arcMoveTo(circle, 90);
    arc.arcTo(circle, 90, 270);
    const double end = 0.0; // degrees, where the arc ends (3 o'clock)
    const QPointF tip(16 + 9 * std::cos(end), 16 - 9 * std::sin(end));
    QPainterPath head;
    head.moveTo(tip + QPointF(-5, 3));
    head.lineTo(tip + QPointF(5, 3));
    head.lineTo(tip + QPointF(0, -4));
    head.closeSubpath();
    // White outline first, so that the shape shows on dark and light pictures.
    for (const auto& [colour, width] :
         {std::pair{QColor(Qt::white), 4.0}, std::pair{QColor(Qt::black), 2.0}}) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arc);
        p.setBrush(colour);
        p.drawPath(head);
    }
    // The pivot.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(16, 16), 1.5, 1.5);
    return pixmap;
}

QCursor CanvasCursor(TCanvasCursor cursor) {
    switch (cursor) {
    case TCanvasCursor::Drag:
        return QCursor(Qt::DragMoveCursor);
    case TCanvasCursor::SizeAll:
        return QCursor(Qt::SizeAllCursor);
    case TCanvasCursor::Rotate: {
        static const QCursor rotate(RotateCursorPixmap(), 16, 16);
        return rotate;
    }
    case TCanvasCursor::SizeNWSE:
        return QCursor(Qt::SizeFDiagCursor);
    case TCanvasCursor::SizeNESW:
        return QCursor(Qt::SizeBDiagCursor);
    case TCanvasCursor::SizeNS:
        return QCursor(Qt::SizeVerCursor);
    case TCanvasCursor::SizeWE:
        return QCursor(Qt::SizeHorCursor);
    case TCanvasCursor::HandPoint:
        return QCursor(Qt::PointingHandCursor);
    case TCanvasCursor::Default:
        break;
    }
    return QCursor(Qt::ArrowCursor);
}

} // namespace velkon
