#pragma once

#include <QPoint>
#include <QPointF>
#include <array>
#include <cstdint>

namespace velkon {

// Rectangle given by its edges (not by a size).
struct TEdgeRect {
    double Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// c5 t^5 + c4 t^4 + c3 t^3 + c2 t^2 + c1 t with t = x / duration; coef holds
// c5..c1 in that order. A zero duration counts as finished (t = 1).
double EasePolynomial(const std::array<double, 5>& coef, double duration, double x);

// Q turned about C by alpha degrees (clockwise on a y-down canvas), rounded.
QPoint RotatePoint(QPoint centre, QPoint q, double alphaDegrees);

// Brings an angle into 0..360, both ends included.
double NormaliseAngle(double a);

// The normalised a or a - 360, whichever is closer to b by absolute value;
// a tie gives the negative form.
double NearestAngle(double a, double b);

// Whether p lies strictly inside the triangle p0 p1 p2 (edges are outside).
bool PointInTriangle(QPoint p0, QPoint p1, QPoint p2, QPoint p);

// Distance of p0 from the line through p1 and p2, or 1000 when p0 lies outside
// the segment's box; nearly vertical or horizontal segments get a wider box.
double DistanceToSegment(QPointF p1, QPointF p2, QPointF p0);

// Whether left < x < right and top < y < bottom.
bool PointInRect(QPointF p, const TEdgeRect& r);

// The rectangle spanned by two corners, with Left <= Right and Top <= Bottom.
TEdgeRect OrderedRect(QPointF a, QPointF b);

int Clamp(int v, int lo, int hi);

// The nearest whole number (halves to even), clamped to the int range; NaN
// gives 0. Geometry may reach the ends of that range (a layer at Left
// 2147483647), and a value beyond it cannot be stored.
int32_t RoundToInt(double v);

double SegmentLength(QPointF a, QPointF b);

// Direction of the vector from b to a in degrees, 0..360 (0 along +x,
// clockwise on a y-down canvas).
double SegmentDirection(QPointF a, QPointF b);

} // namespace velkon
