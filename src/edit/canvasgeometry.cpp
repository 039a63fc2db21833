#include "edit/canvasgeometry.h"

#include "edit/editorstate.h"
#include "model/imagesitem.h"
#include "model/picture.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velkon {

namespace {

int32_t RoundI(double v) { return static_cast<int32_t>(std::nearbyint(v)); }

// Sign of the turn a -> b -> p.
double Cross(double ax, double ay, double bx, double by, double px, double py) {
    return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
}

// Inclusive of the edges, either winding (a flipped layer turns its corners round).
bool InTriangle(double px, double py, double ax, double ay, double bx, double by, double cx, double cy) {
    if (Cross(ax, ay, bx, by, cx, cy) == 0)
        return false; // a layer shrunk to a line or a point cannot be hit
    const double d1 = Cross(ax, ay, bx, by, px, py);
    const double d2 = Cross(bx, by, cx, cy, px, py);
    const double d3 = Cross(cx, cy, ax, ay, px, py);
    const bool neg = d1 < 0 || d2 < 0 || d3 < 0;
    const bool pos = d1 > 0 || d2 > 0 || d3 > 0;
    return !(neg && pos);
}

} // namespace

int32_t WindowToTargetX(const TEditorState& s, int32_t x) { return RoundI((x - s.FrameOffsetX) / s.Zoom); }
int32_t WindowToTargetY(const TEditorState& s, int32_t y) { return RoundI((y - s.FrameOffsetY) / s.Zoom); }
int32_t TargetToWindowX(const TEditorState& s, double x) { return RoundI(x * s.Zoom + s.FrameOffsetX); }
int32_t TargetToWindowY(const TEditorState& s, double y) { return RoundI(y * s.Zoom + s.FrameOffsetY); }

void ComputeCorners(const TEditorState& s, TImagesItem& l) {
    // Without a picture the layer's own size stands in for it.
    const double pw = l.Picture && l.Picture->Width > 0 ? l.Picture->Width : (l.Width != 0 ? l.Width : 1);
    const double ph = l.Picture && l.Picture->Height > 0 ? l.Picture->Height : (l.Height != 0 ? l.Height : 1);
    const double fx = (l.FlipMode & 1) ? -1 : 1;
    const double fy = (l.FlipMode & 2) ? -1 : 1;
    const double sx = fx * l.Width / pw, sy = fy * l.Height / ph;
    const double rad = l.Angle * std::numbers::pi / 180.0;
    const double c = std::cos(rad), sn = std::sin(rad);
    const double px[4] = {0, pw, pw, 0}, py[4] = {0, 0, ph, ph};
    for (int i = 0; i < 4; ++i) {
        const double x = (px[i] - l.OrigoX) * sx, y = (py[i] - l.OrigoY) * sy;
        const double rx = x * c - y * sn + l.OrigoX, ry = x * sn + y * c + l.OrigoY;
        l.CornersX[i] = RoundI(s.FrameOffsetX + s.Zoom * (l.Left + rx));
        l.CornersY[i] = RoundI(s.FrameOffsetY + s.Zoom * (l.Top + ry));
    }
}

bool CornersHit(const TImagesItem& l, double x, double y) {
    const auto& cx = l.CornersX;
    const auto& cy = l.CornersY;
    return InTriangle(x, y, cx[0], cy[0], cx[1], cy[1], cx[2], cy[2]) ||
           InTriangle(x, y, cx[0], cy[0], cx[2], cy[2], cx[3], cy[3]);
}

TRectI CornerRect(const TImagesItem& l) {
    return {std::min(l.CornersX[0], l.CornersX[2]), std::min(l.CornersY[0], l.CornersY[2]),
            std::max(l.CornersX[0], l.CornersX[2]), std::max(l.CornersY[0], l.CornersY[2])};
}

TRectI CornerBounds(const TImagesItem& l) {
    const auto [minX, maxX] = std::minmax_element(l.CornersX.begin(), l.CornersX.end());
    const auto [minY, maxY] = std::minmax_element(l.CornersY.begin(), l.CornersY.end());
    return {*minX, *minY, *maxX, *maxY};
}

double AngleAround(double cx, double cy, double x, double y) {
    double a = std::atan2(y - cy, x - cx) * 180.0 / std::numbers::pi;
    if (a < 0)
        a += 360;
    return a;
}

} // namespace velkon
