#include "edit/canvasgeometry.h"

#include "edit/editorstate.h"
#include "engine/motionmath.h"
#include "model/imagesitem.h"
#include "model/picture.h"
#include "model/scene.h"

#include <QPoint>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace velkon {

namespace {

// Corners and window points may reach the ends of the int range: positions
// are clamped where they are stored, and the products below need 128 bits.
int32_t RoundI(double v) {
    return RoundToInt(v);
}

using Wide = __int128;

// Twice the signed area of the triangle a b c.
Wide Cross(QPoint a, QPoint b, QPoint c) {
    return (Wide(b.x()) - a.x()) * (Wide(c.y()) - a.y()) - (Wide(b.y()) - a.y()) * (Wide(c.x()) - a.x());
}

} // namespace

int32_t WindowToTargetX(const TEditorState& s, int32_t x) {
    return RoundI((double(x) - s.FrameOffsetX) / s.Zoom);
}
int32_t WindowToTargetY(const TEditorState& s, int32_t y) {
    return RoundI((double(y) - s.FrameOffsetY) / s.Zoom);
}
int32_t TargetToWindowX(const TEditorState& s, double x) {
    return RoundI(x * s.Zoom + s.FrameOffsetX);
}
int32_t TargetToWindowY(const TEditorState& s, double y) {
    return RoundI(y * s.Zoom + s.FrameOffsetY);
}

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

void UpdateCornersAndSelectionBounds(TEditorState& state) {
    state.SelectionBounds = {};
    bool any = false;
    for (int i = 0; i < state.Scene.Layers.Count(); ++i) {
        TImagesItem& l = *state.Scene.Layers.At(i);
        if (!l.Visible || !l.Shown) continue;
        ComputeCorners(state, l);
        if (!l.Selected) continue;
        const TRectI b = CornerBounds(l);
        TRectI& s = state.SelectionBounds;
        s = any ? TRectI{std::min(s.Left, b.Left), std::min(s.Top, b.Top), std::max(s.Right, b.Right),
                         std::max(s.Bottom, b.Bottom)}
                : b;
        any = true;
    }
}

bool CornersHit(const TImagesItem& l, int32_t x, int32_t y) {
    const QPoint c1(l.CornersX[0], l.CornersY[0]), c2(l.CornersX[1], l.CornersY[1]);
    const QPoint c3(l.CornersX[2], l.CornersY[2]), c4(l.CornersX[3], l.CornersY[3]);
    const QPoint p(x, y);
    if (PointInTriangle(c1, c2, c3, p) || PointInTriangle(c1, c3, c4, p)) return true;
    // The diagonal the two triangles share is an edge of both, so neither
    // contains it; a click on it still lands on the layer.
    if (Cross(c1, c2, c3) == 0 && Cross(c1, c3, c4) == 0) return false; // collapsed to a line or a point
    if (Cross(c1, c3, p) != 0) return false;
    const Wide along = (Wide(p.x()) - c1.x()) * (Wide(c3.x()) - c1.x()) + (Wide(p.y()) - c1.y()) * (Wide(c3.y()) - c1.y());
    const Wide length2 =
        (Wide(c3.x()) - c1.x()) * (Wide(c3.x()) - c1.x()) + (Wide(c3.y()) - c1.y()) * (Wide(c3.y()) - c1.y());
    return along > 0 && along < length2;
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

} // namespace velkon
