#include "edit/toolpoints.h"

#include "edit/editorstate.h"
#include "engine/motionmath.h"

#include <QPointF>

#include <cmath>
#include <numbers>

namespace velkon {

void RecomputeCurveAndEllipse(TEditorState& s) {
    if (s.ToolMode == TToolMode::Curve) {
        // Cubic Bezier from point 4 (t = 0) to point 1 (t = 1), controls 2 then 3.
        const TToolPoint p1 = s.ToolPoint(1), p2 = s.ToolPoint(2), p3 = s.ToolPoint(3), p4 = s.ToolPoint(4);
        for (int i = 5; i <= s.ToolCount; ++i) {
            TToolPoint& p = s.ToolPoint(i);
            const double t = p.Param > 1 ? 0 : p.Param;
            const double u = 1 - t;
            const double a = u * u * u, b = 3 * t * u * u, c = 3 * t * t * u, d = t * t * t;
            p.X = a * p4.X + b * p2.X + c * p3.X + d * p1.X;
            p.Y = a * p4.Y + b * p2.Y + c * p3.Y + d * p1.Y;
        }
    } else if (s.ToolMode == TToolMode::Ellipse) {
        const TToolPoint c = s.ToolPoint(1), p2 = s.ToolPoint(2), p4 = s.ToolPoint(4);
        const double a = std::nearbyint(std::abs(c.X - p2.X));
        const double b = std::nearbyint(std::abs(c.Y - p2.Y));
        const double m = std::nearbyint(SegmentDirection(QPointF(p4.X, p4.Y), QPointF(c.X, c.Y)));
        constexpr double rad = std::numbers::pi / 180.0;
        for (int i = 5; i <= s.ToolCount; ++i) {
            TToolPoint& p = s.ToolPoint(i);
            const double d = std::nearbyint(p.Param);
            const double cs = std::cos(d * rad), sn = std::sin(d * rad);
            const double denom = std::sqrt(b * b * cs * cs + a * a * sn * sn);
            const double r = denom > 0 ? a * b / denom : 0; // a flat ellipse collapses onto its centre
            p.X = c.X + std::nearbyint(r * std::cos((d - m) * rad));
            p.Y = c.Y + std::nearbyint(r * std::sin((d - m) * rad));
        }
    }
}

} // namespace velkon
