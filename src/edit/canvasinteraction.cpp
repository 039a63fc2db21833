#include "edit/canvasinteraction.h"

#include "edit/canvasgeometry.h"
#include "edit/editorstate.h"
#include "edit/selection.h"
#include "edit/toolpoints.h"
#include "engine/motionmath.h"
#include "engine/params.h"
#include "model/scene.h"

#include <QPointF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velkon {

namespace {

constexpr uint32_t kMinDragDelayMs = 60; // a click must not shift a layer by accident
constexpr int kPointGrab = 5;            // target pixels around a tool point
constexpr int kAxisLockAfter = 5;

// Window and target pixels are ints; geometry at the ends of the int range is
// clamped where it is stored.
int32_t RoundI(double v) {
    return RoundToInt(v);
}

// The layers' positions are fractional and a drag turns them in many small
// steps, so the turn keeps full precision (rounding each step would let the
// radius wander).
void RotateAbout(double cx, double cy, double degrees, double& x, double& y) {
    const double rad = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(rad), s = std::sin(rad);
    const double dx = x - cx, dy = y - cy;
    x = cx + dx * c - dy * s;
    y = cy + dx * s + dy * c;
}

// Angle of the pointer around the common origin, 0..360.
double AngleAroundOrigin(const TToolPoint& origin, int32_t x, int32_t y) {
    return SegmentDirection(QPointF(x, y), QPointF(origin.X, origin.Y));
}

bool Exactly(TShiftState s, TShiftState keys) {
    return s == keys;
}

} // namespace

TCanvasInteraction::TCanvasInteraction(TEditorState& state) : state_(state) {}

QString TCanvasInteraction::PositionStatus() const {
    return QStringLiteral("x:%1, y:%2\tZoom:%3%").arg(PointerX).arg(PointerY).arg(RoundI(state_.Zoom * 100));
}

int TCanvasInteraction::ToolPointAt(int32_t x, int32_t y) const {
    // The common origin is only there to grab while it is shown, that is
    // while something is selected.
    const int first = state_.Scene.SelectedCount > 0 ? -1 : 1;
    for (int i = first; i <= state_.ToolCount; ++i) {
        if (i == 0) continue;
        const TToolPoint& p = state_.ToolPoint(i);
        if (std::abs(p.X - x) <= kPointGrab && std::abs(p.Y - y) <= kPointGrab) return i;
    }
    return 0;
}

void TCanvasInteraction::AfterToolPointsChanged() {
    // The keyframe editor may take over (it also knows the bone poses).
    if (state_.RecomputeToolPoints)
        state_.RecomputeToolPoints();
    else
        RecomputeCurveAndEllipse(state_);
}

void TCanvasInteraction::RememberGeometry() {
    for (int i = 0; i < state_.Scene.Layers.Count(); ++i) {
        TImagesItem* l = state_.Scene.Layers.At(i);
        l->PrevTop = l->Top;
        l->PrevLeft = l->Left;
        l->PrevWidth = l->Width;
        l->PrevHeight = l->Height;
        l->PrevAngle = l->Angle;
    }
}

void TCanvasInteraction::ChangedGeometry(TImagesItem& layer) {
    layer.Changed = true;
    state_.LastReportedLayer = nullptr;
    state_.Scene.Saved = false;
    // The shown keyframe no longer matches what is stored: the next store writes it.
    state_.KeyframePoseClean = false;
}

void TCanvasInteraction::MouseDown(TShiftState shift, int32_t windowX, int32_t windowY, uint32_t nowMs) {
    TScene& scene = state_.Scene;
    const int32_t rememberedCount = scene.SelectedCount;
    AxisLock = 0;
    DownTime = nowMs;
    PreviousX = PointerX = WindowToTargetX(state_, windowX);
    PreviousY = PointerY = WindowToTargetY(state_, windowY);
    LeftDown = (shift & ssLeft) != 0;
    const TToolPoint& origin = state_.ToolPoint(-1);
    PreviousAngle = AngleAroundOrigin(origin, PreviousX, PreviousY);
    DownX = PreviousX;
    DownY = PreviousY;
    DownShift = shift;
    TurnedAngle = 0;

    // During full play a click only touches: the origin, the handles and the
    // tool points are hidden, so none of them may catch it.
    const bool touchOnly = scene.Playing && scene.FullPlay;
    state_.GrabbedPoint = 0;
    if (touchOnly) {
        if (LeftDown) TouchAt(shift, windowX, windowY, rememberedCount);
        return;
    }

    if (state_.SelectModeDown) {
        MarqueeActive = true;
        return;
    }

    // Tool points: grab one, or delete a generated path point.
    if (const int hit = ToolPointAt(PointerX, PointerY)) {
        if ((state_.ToolMode != TToolMode::Curve && state_.ToolMode != TToolMode::Ellipse) || hit < 5) {
            state_.GrabbedPoint = hit;
            return;
        }
        for (int i = hit; i < state_.ToolCount; ++i)
            state_.ToolPoint(i) = state_.ToolPoint(i + 1);
        state_.ToolPoint(state_.ToolCount) = TToolPoint{};
        --state_.ToolCount;
        AfterToolPointsChanged();
        return;
    }

    // A click on the path between two points adds a point there.
    if ((state_.ToolMode == TToolMode::Curve || state_.ToolMode == TToolMode::Ellipse) && state_.ToolCount > 4 &&
        state_.ToolCount < TEditorState::MaxToolPoints) {
        for (int k = 4; k < state_.ToolCount; ++k) {
            const TToolPoint& a = state_.ToolPoint(k);
            const TToolPoint& b = state_.ToolPoint(k + 1);
            if (DistanceToSegment(QPointF(a.X, a.Y), QPointF(b.X, b.Y), QPointF(PointerX, PointerY)) >
                kPointGrab)
                continue;
            TToolPoint inserted = a;
            inserted.Param = (a.Param + b.Param) / 2;
            inserted.Layer = nullptr;
            for (int i = state_.ToolCount; i > k; --i)
                state_.ToolPoint(i + 1) = state_.ToolPoint(i);
            state_.ToolPoint(k + 1) = inserted;
            ++state_.ToolCount;
            AfterToolPointsChanged();
            return;
        }
    }

    if (Zone == 0 || Zone == zoneInside) PickLayers(shift, windowX, windowY);

    if (state_.BoneMode && scene.CurrentLayer && BoneSetup) BoneSetup();

    scene.SelectedCount = rememberedCount;
    RecomputeSelection(state_);
    if (state_.RefreshPanels) state_.RefreshPanels();
}

void TCanvasInteraction::TouchAt(TShiftState shift, int32_t windowX, int32_t windowY,
                                 int32_t rememberedCount) {
    TScene& scene = state_.Scene;
    // Wherever the pointer is over the hidden handles, the layers under it are picked.
    const TImagesItem* hit = PickLayers(shift, windowX, windowY);
    // Only a layer this click landed on is touched; the current layer of
    // before (still current when the click missed) may not be touchable at all.
    if (scene.CurrentLayer && scene.CurrentLayer == hit && !(scene.CurrentLayer->PlayAnim & 2) && TouchStart)
        TouchStart(*scene.CurrentLayer);
    scene.SelectedCount = rememberedCount;
    RecomputeSelection(state_);
    if (state_.RefreshPanels) state_.RefreshPanels();
}

const TImagesItem* TCanvasInteraction::PickLayers(TShiftState shift, int32_t windowX, int32_t windowY) {
    TScene& scene = state_.Scene;
    const bool shiftClick = Exactly(shift, ssShift | ssLeft);
    const bool ctrl = (shift & ssCtrl) != 0;
    const int toPass = CtrlClickDepth; // hits a Ctrl-click walks past
    int passed = 0;
    bool firstHit = true;
    int32_t count = scene.SelectedCount;

    for (int i = scene.Layers.Count() - 1; i >= 0; --i) {
        TImagesItem* l = scene.Layers.At(i);
        if (!l->Visible || !l->Shown) continue;
        if (scene.Playing && l->Touch1.Track[0].IsEmpty())
            continue; // during play only layers that can be touched
        if (l->Locked && scene.Lock && !scene.Playing) continue;
        if (!CornersHit(*l, windowX, windowY)) continue;

        if (shift & ssDouble) {
            state_.ToolPoint(-1).X = l->Left + l->OrigoX;
            state_.ToolPoint(-1).Y = l->Top + l->OrigoY;
            state_.KeyframePoseClean = false; // a keyframe stores its origin too
        }
        if (!l->Selected) {
            if (!shiftClick) {
                SelectNoLayer(scene);
                scene.CurrentLayer = nullptr;
                count = 0;
            }
            l->Selected = true;
            ++count;
        } else if (scene.Playing) {
            scene.CurrentLayer = l;
        } else if (shiftClick) {
            l->Selected = false;
            --count;
        }
        if (ctrl && firstHit) ++CtrlClickDepth;
        firstHit = false;
        if (count == 1 && l->Selected) scene.CurrentLayer = l;
        scene.SelectedCount = count;
        if (ctrl && passed < toPass) {
            ++passed;
            continue;
        }
        return l;
    }
    // The walk found nothing to stop at. Inside the selection frame (zone 2)
    // the selection stays, so that a Ctrl-drag there resizes it.
    if (Zone == 0) {
        SelectNoLayer(scene);
        scene.CurrentLayer = nullptr;
        scene.SelectedCount = 0;
        CtrlClickDepth = 0;
    }
    return nullptr;
}

uint32_t TCanvasInteraction::ZoneAt(int32_t x, int32_t y) const {
    // Handles around bounds at the ends of the int range reach beyond it.
    const TRectI& s = state_.SelectionBounds;
    const int64_t L = s.Left, T = s.Top, R = s.Right, B = s.Bottom;
    struct TZoneRect {
        int64_t l, t, r, b;
        uint32_t zone;
    };
    // Later rows win.
    const TZoneRect table[] = {
        {L, T, R, B, 0x02},
        {L + 8, T - 8, R + 8, T + 8, 0x24},
        {L + 8, B - 8, R + 8, B + 8, 0x24},
        {L - 8, T + 8, L + 8, B - 8, 0x44},
        {R - 8, T + 8, R + 8, B - 8, 0x44},
        {L - 8, T - 8, L + 8, T + 8, 0x14},
        {R - 8, B - 8, R + 8, B + 8, 0x04},
        {R - 8, T - 8, R + 8, T + 8, 0x0C},
        {L - 8, B - 8, L + 8, B + 8, 0x1C},
        {L - 24, T - 24, L - 8, T - 8, 0x01},
        {R + 8, B + 8, R + 24, B + 24, 0x01},
        {R + 8, T - 24, R + 24, T - 8, 0x01},
        {L - 24, B + 8, L - 8, B + 24, 0x01},
    };
    uint32_t zone = 0;
    for (const TZoneRect& r : table)
        if (PointInRect(QPointF(x, y), TEdgeRect{double(r.l), double(r.t), double(r.r), double(r.b)}))
            zone = r.zone;
    return zone;
}

void TCanvasInteraction::MouseMove(TShiftState shift, int32_t windowX, int32_t windowY, uint32_t nowMs) {
    if (nowMs - DownTime < kMinDragDelayMs) return;
    TScene& scene = state_.Scene;

    const int32_t ex = PointerX, ey = PointerY;
    PointerX = WindowToTargetX(state_, windowX);
    PointerY = WindowToTargetY(state_, windowY);
    if (Exactly(shift, ssShift | ssLeft) && !scene.Playing) {
        const int32_t dx = PointerX - DownX, dy = PointerY - DownY;
        if (AxisLock == 0 && std::abs(dx) + std::abs(dy) > kAxisLockAfter)
            AxisLock = std::abs(dy) < std::abs(dx) ? 2 : 1;
        if (AxisLock == 1)
            PointerX = DownX;
        else if (AxisLock == 2)
            PointerY = DownY;
    }

    Status = PositionStatus();
    StatusRed = false;

    if (Pan(shift, ex, ey)) return;

    if (state_.SelectModeDown) {
        Zone = 0;
        Cursor = TCanvasCursor::Drag;
        if (Redraw) Redraw();
        return;
    }

    if (!(shift & ssLeft)) Zone = 0;
    // Without a selection there are no handles to be over.
    if (Zone == 0 && scene.SelectedCount > 0 && !state_.SelectionBounds.IsEmpty())
        Zone = ZoneAt(windowX, windowY);

    const TShiftState effective = ZoneCursor(shift);
    if (scene.SelectedCount > 0 && ToolPointAt(PointerX, PointerY) != 0) Cursor = TCanvasCursor::HandPoint;

    if (LeftDown && !scene.Playing) {
        Status += QStringLiteral("\tw:%1, h:%2, a:%3")
                      .arg(PointerX - DownX)
                      .arg(PointerY - DownY)
                      .arg(RoundI(TurnedAngle));
        StatusRed = std::abs(TurnedAngle) > 360;
        if (state_.ToolMode == TToolMode::Transpose) {
            const TToolPoint& p = state_.ToolPoint(1);
            const TToolPoint& o = state_.ToolPoint(-1);
            Status += QStringLiteral("\tdx:%1, dy:%2").arg(FormatNumber(p.X - o.X), FormatNumber(p.Y - o.Y));
        }
        if (state_.GrabbedPoint != 0)
            DragToolPoint(effective);
        else
            DragSelection(shift, effective);
    }

    if (Redraw) Redraw();
}

bool TCanvasInteraction::Pan(TShiftState shift, int32_t lastX, int32_t lastY) {
    // Scrolling moves the canvas under the pointer, so the event after a pan
    // is not taken as another one.
    if (Exactly(shift, ssMiddle) && !JustPanned) {
        if (ScrollBy) ScrollBy(lastX - PointerX, lastY - PointerY);
        JustPanned = true;
        return true;
    }
    if (Exactly(shift, ssCtrl | ssMiddle) && !JustPanned) {
        const int32_t maxX = std::max(0, PanelWidth - state_.TargetWidth);
        const int32_t maxY = std::max(0, PanelHeight - state_.TargetHeight);
        state_.FrameOffsetX = Clamp(state_.FrameOffsetX + PointerX - lastX, 0, maxX);
        state_.FrameOffsetY = Clamp(state_.FrameOffsetY + PointerY - lastY, 0, maxY);
        if (ApplyResolution) ApplyResolution();
        JustPanned = true;
        return true;
    }
    JustPanned = false;
    return false;
}

TShiftState TCanvasInteraction::ZoneCursor(TShiftState shift) {
    TShiftState effective = shift;
    Cursor = TCanvasCursor::Default;
    if (Zone & zoneInside) {
        Cursor = (shift & ssAlt)    ? TCanvasCursor::Rotate
                 : (shift & ssCtrl) ? TCanvasCursor::SizeNWSE
                                    : TCanvasCursor::SizeAll;
        if (shift & ssLeft) Zone |= zoneDragging;
    }
    if (Zone & zoneResize) {
        Cursor = (Zone & zoneTopBottom)   ? TCanvasCursor::SizeNS
                 : (Zone & zoneLeftRight) ? TCanvasCursor::SizeWE
                 : (Zone & zoneDiagonal2) ? TCanvasCursor::SizeNESW
                                          : TCanvasCursor::SizeNWSE;
        if (shift & ssLeft) {
            Zone |= zoneDragging;
            effective =
                (Zone & (zoneTopBottom | zoneLeftRight)) ? (ssShift | ssCtrl | ssLeft) : (ssCtrl | ssLeft);
        }
    }
    if (Zone & zoneRotate) {
        Cursor = TCanvasCursor::Rotate;
        if (shift & ssLeft) {
            Zone |= zoneDragging;
            effective = ssAlt | ssLeft;
        }
    }
    return effective;
}

void TCanvasInteraction::DragToolPoint(TShiftState effective) {
    TToolPoint& p = state_.ToolPoint(state_.GrabbedPoint);
    const double oldX = p.X, oldY = p.Y;
    if (Exactly(effective, ssCtrl | ssLeft)) {
        p.X += PointerX - PreviousX;
        p.Y += PointerY - PreviousY;
    } else {
        p.X = PointerX;
        p.Y = PointerY;
    }
    const double dx = p.X - oldX, dy = p.Y - oldY;
    // The curve's start point and the ellipse's centre carry the whole shape along.
    auto carry = [&](std::initializer_list<int> points) {
        for (int i : points) {
            state_.ToolPoint(i).X += dx;
            state_.ToolPoint(i).Y += dy;
        }
    };
    if (state_.ToolMode == TToolMode::Curve && state_.GrabbedPoint == 4)
        carry({1, 2, 3});
    else if (state_.ToolMode == TToolMode::Ellipse && state_.GrabbedPoint == 1)
        carry({2, 3, 4});
    if (state_.ToolMode == TToolMode::Bone && !p.Layer) state_.Undo.Record(TUndoBuffer::kindMouseMove);
    PreviousX = PointerX;
    PreviousY = PointerY;
    AfterToolPointsChanged();
    // The common origin and the bone chain are part of the pose a keyframe stores.
    if (state_.GrabbedPoint == -1) state_.KeyframePoseClean = false;
    if (state_.ToolMode == TToolMode::Bone && (dx != 0 || dy != 0))
        for (int i = 1; i <= 3; ++i)
            if (TImagesItem* bone = state_.ToolPoint(i).Layer) ChangedGeometry(*bone);
}

void TCanvasInteraction::DragSelection(TShiftState shift, TShiftState effective) {
    TScene& scene = state_.Scene;
    TToolPoint& origin = state_.ToolPoint(-1);
    const int32_t rememberedCount = scene.SelectedCount;
    const int32_t dx = PointerX - PreviousX, dy = PointerY - PreviousY;

    const double a = AngleAroundOrigin(origin, PointerX, PointerY);
    // The turn follows the pointer continuously: a step across the 0/360 seam
    // is the short way round, however far the pointer jumped.
    double delta = std::remainder(a - PreviousAngle, 360.0);
    if (delta == -180) delta = 180;
    TurnedAngle += delta;
    PreviousAngle = a;

    // The bounds grow symmetrically by the step.
    const TRectI& b = state_.SceneSelectionBounds;
    const double width = double(b.Right) - b.Left, height = double(b.Bottom) - b.Top;
    const double w0 = width != 0 ? width : 1;
    const double h0 = height != 0 ? height : 1;
    double sx = (width + 2.0 * dx) / w0;
    double sy = (height + 2.0 * dy) / h0;
    if (Zone & zoneLeftSide) {
        sx = sx != 0 ? 1 / sx : 0;
        sy = sy != 0 ? 1 / sy : 0;
    }
    if (Zone & zoneTopBottom) sx = 1;
    if (Zone & zoneLeftRight) sy = 1;

    const bool resize = (effective & ssCtrl) != 0;
    const bool rotate = !resize && Exactly(effective, ssAlt | ssLeft);
    bool recorded = false;
    bool moved = false;
    for (int i = 0; i < scene.Layers.Count(); ++i) {
        TImagesItem& l = *scene.Layers.At(i);
        if (!l.Visible || !l.Selected || l.Locked) continue;
        if (state_.KeyframeMode && !(l.KeyframeEditing && state_.KeyFrameIndex >= 0)) continue;
        if (!recorded) {
            state_.Undo.Record(TUndoBuffer::kindMouseMove);
            RememberGeometry();
            recorded = true;
        }
        if (resize) {
            double fx = sx, fy = sy;
            if (effective & ssAlt)
                fy = 2 - fx; // the height shrinks as the width grows
            else if (!(effective & ssShift))
                fy = fx; // proportional
            // A factor that would make a size zero or negative is not applied.
            if (fx > 0 && l.Width * fx > 0) {
                l.Width *= fx;
                l.Left = origin.X + (l.Left + l.OrigoX - origin.X) * fx - l.OrigoX;
            }
            if (fy > 0 && l.Height * fy > 0) {
                l.Height *= fy;
                l.Top = origin.Y + (l.Top + l.OrigoY - origin.Y) * fy - l.OrigoY;
            }
            if (Zone == 0) Zone = zoneResize;
        } else if (rotate) {
            double x = l.Left + l.OrigoX, y = l.Top + l.OrigoY;
            RotateAbout(origin.X, origin.Y, delta, x, y);
            l.Left = x - l.OrigoX;
            l.Top = y - l.OrigoY;
            l.Angle += delta;
            if (Zone == 0) Zone = zoneRotate;
        } else {
            // A linked child only moves with its topmost ancestor.
            bool moves = true;
            if (!l.Parent.isEmpty() && state_.LinkDown) moves = TopmostAncestor(scene, l)->Selected;
            if (moves) {
                l.Left += dx;
                l.Top += dy;
                moved = moved || dx != 0 || dy != 0;
                if (state_.BoneMode && state_.ToolMode == TToolMode::Bone && state_.ToolPoint(3).Layer == &l &&
                    scene.CurrentLayer == &l) {
                    state_.ToolPoint(1).X = l.Left + l.OrigoX;
                    state_.ToolPoint(1).Y = l.Top + l.OrigoY;
                    AfterToolPointsChanged();
                }
            }
        }
        ChangedGeometry(l);
    }

    if (moved && (Exactly(shift, ssLeft) || (Exactly(shift, ssShift | ssLeft) && scene.SelectedCount > 0))) {
        origin.X += dx;
        origin.Y += dy;
    }
    PreviousX = PointerX;
    PreviousY = PointerY;
    scene.SelectedCount = rememberedCount;
    RecomputeSelection(state_);
    if (recorded) state_.LayerValuesChanged.Emit();
}

void TCanvasInteraction::MouseUp(TShiftState shift, int32_t windowX, int32_t windowY) {
    (void)windowX;
    (void)windowY;
    TScene& scene = state_.Scene;
    if (MarqueeActive) {
        MarqueeActive = false;
        state_.SelectModeDown = false;
        SelectNoLayer(scene);
        // Both rectangles in window pixels, normalised, so marquees dragged
        // leftwards or upwards select as well.
        const int32_t x1 = TargetToWindowX(state_, DownX), x2 = TargetToWindowX(state_, PointerX);
        const int32_t y1 = TargetToWindowY(state_, DownY), y2 = TargetToWindowY(state_, PointerY);
        const TRectI m{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
        for (int i = 0; i < scene.Layers.Count(); ++i) {
            TImagesItem* l = scene.Layers.At(i);
            if (l->Locked) continue;
            const TRectI r = CornerRect(*l);
            l->Selected = std::max(r.Left, m.Left) < std::min(r.Right, m.Right) &&
                          std::max(r.Top, m.Top) < std::min(r.Bottom, m.Bottom);
        }
        RecomputeSelection(state_);
        if (state_.RefreshPanels) state_.RefreshPanels();
    }
    DownShift = shift;
    LeftDown = false;
    Zone &= ~zoneDragging; // the drag is over; the zone under the pointer stays
    state_.Undo.EndMerge();
}

bool TCanvasInteraction::Wheel(int delta, TShiftState lastKeyShift) {
    if (!Exactly(lastKeyShift, ssCtrl)) return false;
    TScene& scene = state_.Scene;
    state_.Zoom = std::clamp(state_.Zoom + (delta <= 0 ? -0.1 : 0.1), 0.5, 2.0);
    Status = PositionStatus();
    if (ApplyResolution) ApplyResolution();
    if (scene.SelectedCount == 1 && scene.CurrentLayer && ScrollTo) {
        const TImagesItem& l = *scene.CurrentLayer;
        ScrollTo(RoundI((l.Left + l.OrigoX) * state_.Zoom + state_.FrameOffsetX - ScrollBoxWidth / 2.0),
                 RoundI((l.Top + l.OrigoY) * state_.Zoom + state_.FrameOffsetY - ScrollBoxHeight / 2.0));
    }
    return true;
}

void TCanvasInteraction::KeyboardNudge(double dx, double dy, double w, double r) {
    TScene& scene = state_.Scene;
    TToolPoint& origin = state_.ToolPoint(-1);
    TRectI& b = state_.SceneSelectionBounds;
    const double width = double(b.Right) - b.Left;
    const double f = (width + w) / (width != 0 ? width : 1);
    b.Left = RoundI(b.Left - std::nearbyint(w));

    RememberGeometry();
    for (int i = 0; i < scene.Layers.Count(); ++i) {
        TImagesItem& l = *scene.Layers.At(i);
        if (!l.Visible || !l.Selected) continue;
        state_.Undo.Record(TUndoBuffer::kindKeyboardMove);
        double x = l.Left + l.OrigoX, y = l.Top + l.OrigoY;
        if (f > 0) {
            if (l.Width * f > 0) l.Width *= f;
            if (l.Height * f > 0) l.Height *= f;
            x = origin.X + (x - origin.X) * f;
            y = origin.Y + (y - origin.Y) * f;
        }
        RotateAbout(origin.X, origin.Y, r, x, y);
        l.Left = x - l.OrigoX + dx;
        l.Top = y - l.OrigoY + dy;
        l.Angle += r;
        ChangedGeometry(l);
    }
    state_.LastReportedLayer = nullptr;
    scene.Saved = false;
    origin.X += dx;
    origin.Y += dy;
    state_.LayerValuesChanged.Emit();
}

bool TCanvasInteraction::ArrowKey(TArrow arrow, TShiftState shift) {
    if (state_.Scene.SelectedCount <= 0) return false;
    const double step = (shift & ssShift) ? 10 : 1;
    const double sign = (arrow == TArrow::Left || arrow == TArrow::Up) ? -step : step;
    const bool horizontal = arrow == TArrow::Left || arrow == TArrow::Right;
    if (shift & ssCtrl) {
        if (horizontal)
            KeyboardNudge(0, 0, sign, 0);
        else
            KeyboardNudge(0, 0, 0, sign);
    } else if (horizontal) {
        KeyboardNudge(sign, 0, 0, 0);
    } else {
        KeyboardNudge(0, sign, 0, 0);
    }
    return true;
}

void TCanvasInteraction::KeyUp(TShiftState shift) {
    if (!(shift & ssShift)) AxisLock = 0;
    if (!(shift & ssCtrl)) CtrlClickDepth = 1;
}

bool TCanvasInteraction::StartMarqueeMode(TShiftState shift) {
    if (state_.Scene.Playing || (shift & ssCtrl) || (DownShift & ssLeft)) return false;
    state_.SelectModeDown = true;
    Cursor = TCanvasCursor::Drag;
    return true;
}

} // namespace velkon
