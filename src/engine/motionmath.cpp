#include "engine/motionmath.h"

#include <cmath>
#include <limits>
#include <cstdint>
#include <numbers>

namespace velkon {

double EasePolynomial(const std::array<double, 5>& coef, double duration, double x) {
    const double t = duration == 0 ? 1.0 : x / duration;
    const double t2 = t * t;
    const double t3 = t2 * t;
    return coef[0] * t3 * t2 + coef[1] * t2 * t2 + coef[2] * t3 + coef[3] * t2 + coef[4] * t;
}

QPoint RotatePoint(QPoint centre, QPoint q, double alphaDegrees) {
    const double theta = alphaDegrees * std::numbers::pi / 180.0;
    const double dx = double(q.x()) - centre.x();
    const double dy = double(q.y()) - centre.y();
    const double c = std::cos(theta), s = std::sin(theta);
    return {RoundToInt(centre.x() + std::nearbyint(c * dx - s * dy)),
            RoundToInt(centre.y() + std::nearbyint(s * dx + c * dy))};
}

double NormaliseAngle(double a) {
    if (!std::isfinite(a))
        return 0; // the loops below would never end
    // Whole turns at once, so that a wild angle costs no time; the loops keep the edges exact.
    if (a > 720)
        a = std::fmod(a, 360.0) == 0 ? 360 : std::fmod(a, 360.0);
    else if (a < -720)
        a = std::fmod(a, 360.0) == 0 ? 0 : std::fmod(a, 360.0) + 360;
    while (a > 360)
        a -= 360;
    while (a < 0)
        a += 360;
    return a;
}

double NearestAngle(double a, double b) {
    const double n = NormaliseAngle(a);
    if (std::abs(std::abs(b) - std::abs(n)) >= std::abs(std::abs(b) - std::abs(n - 360)))
        return n - 360;
    return n;
}

bool PointInTriangle(QPoint p0, QPoint p1, QPoint p2, QPoint p) {
    // 128-bit: products of coordinates at the ends of the int range, and their
    // sums, pass what 64 bits hold.
    using Wide = __int128;
    const Wide x0 = p0.x(), y0 = p0.y(), x1 = p1.x(), y1 = p1.y(), x2 = p2.x(), y2 = p2.y();
    const Wide px = p.x(), py = p.y();
    Wide s = y0 * x2 - x0 * y2 + (y2 - y0) * px + (x0 - x2) * py;
    Wide t = x0 * y1 - y0 * x1 + (y0 - y1) * px + (x1 - x0) * py;
    Wide area = -y1 * x2 + y0 * (x2 - x1) + x0 * (y1 - y2) + x1 * y2;
    if ((s < 0) != (t < 0))
        return false;
    if (area < 0) {
        s = -s;
        t = -t;
        area = -area;
    }
    return s > 0 && t > 0 && s + t < area;
}

double DistanceToSegment(QPointF p1, QPointF p2, QPointF p0) {
    const double x1 = p1.x(), y1 = p1.y(), x0 = p0.x(), y0 = p0.y();
    double x2 = p2.x(), y2 = p2.y();
    if (std::abs(x1 - x2) < 10)
        x2 += 10;
    if (std::abs(y1 - y2) < 10)
        y2 += 5;
    const auto between = [](double v, double a, double b) { return (v >= a && v <= b) || (v >= b && v <= a); };
    if (!between(x0, x1, x2) || !between(y0, y1, y2))
        return 1000;
    return std::abs((x2 - x1) * (y1 - y0) - (x1 - x0) * (y2 - y1)) / std::hypot(x2 - x1, y2 - y1);
}

bool PointInRect(QPointF p, const TEdgeRect& r) {
    return r.Left < p.x() && p.x() < r.Right && r.Top < p.y() && p.y() < r.Bottom;
}

TEdgeRect OrderedRect(QPointF a, QPointF b) {
    return {std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()), std::max(a.y(), b.y())};
}

int Clamp(int v, int lo, int hi) { return v > hi ? hi : v < lo ? lo : v; }

double SegmentLength(QPointF a, QPointF b) {
    const double dx = a.x() - b.x(), dy = a.y() - b.y();
    return std::sqrt(dx * dx + dy * dy);
}

int32_t RoundToInt(double v) {
    const double r = std::nearbyint(v);
    if (std::isnan(r))
        return 0;
    if (r <= std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    if (r >= std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(r);
}

double SegmentDirection(QPointF a, QPointF b) {
    double d = std::atan2(a.y() - b.y(), a.x() - b.x()) * 180.0 / std::numbers::pi;
    if (d < 0)
        d += 360;
    return d;
}

} // namespace velkon
