#include "edit/pathtools.h"

#include "edit/editorstate.h"
#include "edit/listroom.h"
#include "edit/selection.h"
#include "edit/toolpoints.h"
#include "engine/motionmath.h"
#include "engine/params.h"
#include "model/commanddesc.h"
#include "model/commanditem.h"
#include "model/commands.h"
#include "model/dialogs.h"
#include "model/imagesitem.h"
#include "model/scene.h"
#include "model/velkonerror.h"

#include <QCoreApplication>
#include <QPointF>

#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

namespace velkon {

namespace {

constexpr uint32_t kHidden = 0x01010101;
constexpr double kRad = std::numbers::pi / 180.0;

// Degrees 0..360 of a negative or positive path angle.
double PositiveAngle(double a) {
    return a < 0 ? a + 360 : a;
}

// Direction of (dx, dy) in degrees 0..360, clockwise on the y-down canvas.
double Direction(double dx, double dy) {
    return SegmentDirection(QPointF(dx, dy), QPointF(0, 0));
}

// The angle a (brought into 0..360) or a - 360, whichever lies nearer to the
// layer's current angle, so that a joint never spins by a full turn.
double NearestTurn(double a, double current) {
    a = std::fmod(a, 360.0);
    if (a < 0) a += 360.0;
    return std::abs(a - current) <= std::abs(a - 360.0 - current) ? a : a - 360.0;
}

bool PathMode(const TEditorState& s) {
    return (s.ToolMode == TToolMode::Curve || s.ToolMode == TToolMode::Ellipse) && s.ToolCount > 0;
}

// The tool points start from scratch: the parameters and the bone fields of the old tool stay out.
void ClearToolPoints(TEditorState& s, int count) {
    for (int i = 1; i <= count && i <= TEditorState::MaxToolPoints; ++i)
        s.ToolPoint(i) = TToolPoint{};
}

TToolPoint Placed(double x, double y, uint32_t colour, TImagesItem* layer = nullptr) {
    TToolPoint p;
    p.X = x;
    p.Y = y;
    p.Color = colour;
    p.Layer = layer;
    return p;
}

TToolPoint OriginPoint(TImagesItem& layer, uint32_t colour) {
    return Placed(layer.Left + layer.OrigoX, layer.Top + layer.OrigoY, colour, &layer);
}

} // namespace

QString PoseText(const TImagesItem& l) {
    return KeyText(l.Left, l.Top, l.Width, l.Height, l.Angle, l.Alpha);
}

void AppendKeyFrame(TCommands& track, const TImagesItem& layer, const QString& duration, double ox,
                    double oy) {
    auto cmd = std::make_unique<TCommandItem>(cmdKeyFrame, PoseText(layer), duration, QString());
    cmd->SetOX(ox);
    cmd->SetOY(oy);
    track.Add(std::move(cmd));
}

void SwitchToolOff(TEditorState& s) {
    s.ToolMode = TToolMode::None;
    s.ToolCount = 0;
    s.GrabbedPoint = 0;
}

void CurveToolClick(TEditorState& s, int n) {
    if (s.ToolCount > 0) return SwitchToolOff(s);
    if (s.Scene.Playing) return;
    n = std::clamp(n, 1, TEditorState::MaxToolPoints - 4);
    const TToolPoint o = s.ToolPoint(-1);
    ClearToolPoints(s, n + 4);
    s.ToolMode = TToolMode::Curve;
    s.ToolCount = n + 4;
    s.ToolPoint(4) = Placed(o.X, o.Y, 0);
    s.ToolPoint(1) = Placed(o.X + 200, o.Y, 0);
    s.ToolPoint(2) = Placed(o.X + 50, o.Y - 50, 0);
    s.ToolPoint(3) = Placed(o.X + 250, o.Y + 50, 0);
    // An end beyond the right edge of the target: the path turns to the left.
    if (o.X + 200 > s.TargetWidth) {
        s.ToolPoint(1).X = o.X - 400;
        s.ToolPoint(2).X = o.X - 50;
        s.ToolPoint(3).X = o.X - 250;
    }
    for (int i = 1; i <= n; ++i)
        s.ToolPoint(4 + i).Param = static_cast<double>(i) / n;
    RecomputeToolPoints(s);
}

void EllipseToolClick(TEditorState& s, int n, bool inverse) {
    if (s.ToolCount > 0) return SwitchToolOff(s);
    if (s.Scene.Playing) return;
    n = std::clamp(n, 1, TEditorState::MaxToolPoints - 5);
    const TToolPoint o = s.ToolPoint(-1);
    ClearToolPoints(s, n + 5);
    s.ToolMode = TToolMode::Ellipse;
    s.ToolCount = n + 5;
    s.ToolPoint(1) = Placed(o.X - 50, o.Y, 0);
    s.ToolPoint(2) = Placed(o.X, o.Y + 50, 0);
    s.ToolPoint(3) = Placed(o.X - 50, o.Y, 0);
    s.ToolPoint(4) = Placed(o.X + 100, o.Y, 0);
    for (int i = 0; i <= n; ++i) {
        const double angle = std::nearbyint(360.0 / n * i);
        s.ToolPoint(5 + i).Param = inverse ? -angle : angle;
    }
    RecomputeToolPoints(s);
}

void InverseClicked(TEditorState& s) {
    if (s.ToolCount <= 4) return;
    for (int i = 5; i <= s.ToolCount; ++i)
        s.ToolPoint(i).Param = -s.ToolPoint(i).Param;
    RecomputeToolPoints(s);
}

void WalkPath(TEditorState& s, TImagesItem& layer, bool autoRotate,
              const std::function<void(TImagesItem&)>& atPoint) {
    if (!PathMode(s)) return;
    const bool curve = s.ToolMode == TToolMode::Curve;
    const double left = layer.Left, top = layer.Top, angle = layer.Angle;
    const TToolPoint o = s.ToolPoint(-1);
    const double dx = layer.Left + layer.OrigoX - o.X, dy = layer.Top + layer.OrigoY - o.Y;
    const int count = std::min<int>(s.ToolCount, TEditorState::MaxToolPoints);
    for (int i = 5; i <= count; ++i) {
        const TToolPoint& p = s.ToolPoint(i);
        // The ellipse's start point stands where the layer already is.
        if (!curve && i == 5 && p.Param == 0) continue;
        if (autoRotate) {
            // Along a curve the layer faces from the point to where it came from.
            layer.Angle = curve ? Direction(layer.Left - p.X, layer.Top - p.Y) : PositiveAngle(p.Param);
        }
        layer.Left = p.X + dx - layer.OrigoX;
        layer.Top = p.Y + dy - layer.OrigoY;
        if (atPoint) atPoint(layer);
    }
    layer.Left = left;
    layer.Top = top;
    layer.Angle = angle;
}

TPathKeyframes CreatePathKeyframes(TEditorState& s, bool autoRotate, const QString& duration) {
    TPathKeyframes result;
    TScene& scene = s.Scene;
    if (!PathMode(s)) return result;
    std::vector<TImagesItem*> selected;
    for (int i = 0; i < scene.Layers.Count(); ++i)
        if (scene.Layers.At(i)->Selected) selected.push_back(scene.Layers.At(i));
    if (selected.empty()) return result;
    // Each point of the path becomes a keyframe of every selected layer.
    const int points = std::max(0, std::min<int>(s.ToolCount, TEditorState::MaxToolPoints) - 4);
    for (TImagesItem* layer : selected)
        if (layer->ActiveTracks[0]) CheckTrackRoom(*layer, *layer->ActiveTracks[0], points);

    s.Undo.Record(-TUndoBuffer::kindCurvePath);
    const TToolPoint o = s.ToolPoint(-1);
    for (TImagesItem* layer : selected) {
        TCommands* track = layer->ActiveTracks[0];
        if (!track) continue;
        WalkPath(s, *layer, autoRotate, [&](TImagesItem& at) {
            AppendKeyFrame(*track, at, duration, o.X, o.Y);
            ++result.Appended;
        });
        result.Columns = track->Count() + 1;
    }
    scene.Saved = false;
    return result;
}

void TransposePointClick(TEditorState& s) {
    if (s.ToolCount > 0) return SwitchToolOff(s);
    const TToolPoint o = s.ToolPoint(-1);
    ClearToolPoints(s, 1);
    s.ToolMode = TToolMode::Transpose;
    s.ToolCount = 1;
    s.ToolPoint(1) = Placed(o.X + 20, o.Y, 0);
}

bool TransposeSelected(TEditorState& s, int left, int right) {
    if (s.ToolMode != TToolMode::Transpose || s.ToolCount < 1) {
        TransposePointClick(s);
        return false;
    }
    s.Undo.Record(-TUndoBuffer::kindKeyTranspose);
    const TToolPoint o = s.ToolPoint(-1);
    const double dx = s.ToolPoint(1).X - o.X, dy = s.ToolPoint(1).Y - o.Y;
    TScene& scene = s.Scene;
    for (int i = 0; i < scene.Layers.Count(); ++i) {
        TImagesItem& layer = *scene.Layers.At(i);
        TCommands* track = layer.ActiveTracks[0];
        if (!layer.KeyframeEditing || !layer.Selected || !track) continue;
        for (int c = right; c >= left && c > 0; --c) {
            if (c - 1 >= track->Count()) continue; // a column past this layer's keyframes
            TCommandItem& cmd = *track->Item(c - 1);
            if (cmd.Command() != cmdKeyFrame) continue;
            TKeyText k;
            try {
                k = SplitKeyText(cmd.sParam1());
            } catch (const EVelkonError&) {
                continue; // an unreadable pose stays as it was
            }
            const auto x = ReadDecimal(k.X), y = ReadDecimal(k.Y), w = ReadDecimal(k.W), h = ReadDecimal(k.H),
                       a = ReadDecimal(k.A);
            const auto f = k.HasAlpha ? ReadDecimal(k.F) : std::optional<double>(255);
            if (!x || !y || !w || !h || !a || !f) continue;
            cmd.SetParam(1, KeyText(*x + dx, *y + dy, *w, *h, *a, k.HasAlpha ? f : std::nullopt));
            cmd.SetOX(o.X);
            cmd.SetOY(o.Y);
        }
    }
    SwitchToolOff(s);
    scene.Saved = false;
    return true;
}

void BoneButtonClick(TEditorState& s, bool checked) {
    if (s.ToolCount > 0) {
        SwitchToolOff(s);
        s.BoneMode = false;
        return;
    }
    s.BoneMode = checked;
    if (checked) BoneSetup(s);
}

bool BoneSetup(TEditorState& s) {
    TScene& scene = s.Scene;
    TImagesItem* layer = scene.CurrentLayer;
    if (scene.Playing || scene.SelectedCount != 1 || !layer || layer->Parent.isEmpty()) return false;
    TImagesItem* parent = scene.Layers.Find(layer->Parent);
    if (!parent || parent == layer) return false; // a parent that names no layer (or itself) links nothing
    TImagesItem* grand = parent->Parent.isEmpty() ? nullptr : scene.Layers.Find(parent->Parent);
    if (grand == parent || grand == layer) grand = nullptr; // a looping chain counts as two layers

    ClearToolPoints(s, 3);
    s.ToolMode = TToolMode::Bone;
    s.ToolCount = 1;
    s.GrabbedPoint = 0;
    TToolPoint& p1 = s.ToolPoint(1);
    TToolPoint& p2 = s.ToolPoint(2);
    TToolPoint& p3 = s.ToolPoint(3);
    p1 = OriginPoint(*layer, 0);
    p2 = OriginPoint(*parent, kHidden);
    if (grand) {
        p3 = OriginPoint(*grand, kHidden);
    } else {
        // Two layers: the layer's far end becomes a free handle that pulls the chain.
        p3 = p2;
        p2 = p1;
        const double sx = layer->Width / 2 >= layer->OrigoX ? 1 : -1;
        const double sy = layer->Height / 2 >= layer->OrigoY ? 1 : -1;
        double ex = sx * layer->Width / 2, ey = sy * layer->Height / 2;
        if (layer->Width > layer->Height)
            ex += layer->Width / 2 * sx;
        else
            ey += layer->Height / 2 * sy;
        const double c = std::cos(layer->Angle * kRad), sn = std::sin(layer->Angle * kRad);
        p1 = Placed(std::nearbyint(p2.X + ex * c - ey * sn), std::nearbyint(p2.Y + ex * sn + ey * c), 0);
        SelectNoLayer(scene);
        RecomputeSelection(s);
    }
    const QPointF a(p1.X, p1.Y), b(p2.X, p2.Y), c(p3.X, p3.Y);
    p2.Length = SegmentLength(a, b);
    p3.Length = SegmentLength(b, c);
    p2.AngleOffset = SegmentDirection(a, b) - p2.Layer->Angle;
    p3.AngleOffset = SegmentDirection(b, c) - p3.Layer->Angle;
    return true;
}

void RecomputeBones(TEditorState& s) {
    if (s.ToolMode != TToolMode::Bone || s.ToolCount < 1) return;
    TToolPoint& p1 = s.ToolPoint(1);
    TToolPoint& p2 = s.ToolPoint(2);
    TToolPoint& p3 = s.ToolPoint(3);
    if (!p2.Layer || !p3.Layer) return;
    const double ex = std::nearbyint(p1.X), ey = std::nearbyint(p1.Y);
    // The middle joint turns towards the handle, the root towards where the middle joint must go.
    const double t2 = std::atan2(ey - p2.Y, ex - p2.X);
    const double qx = ex - p2.Length * std::cos(t2), qy = ey - p2.Length * std::sin(t2);
    const double t3 = std::atan2(qy - p3.Y, qx - p3.X);
    p2.X = p3.X + p3.Length * std::cos(t3);
    p2.Y = p3.Y + p3.Length * std::sin(t3);

    TImagesItem& middle = *p2.Layer;
    middle.Left = p2.X - middle.OrigoX;
    middle.Top = p2.Y - middle.OrigoY;
    middle.Angle = NearestTurn(std::nearbyint(t2 / kRad - p2.AngleOffset), middle.Angle);
    TImagesItem& root = *p3.Layer;
    root.Left = p3.X - root.OrigoX;
    root.Top = p3.Y - root.OrigoY;
    root.Angle = NearestTurn(std::nearbyint(t3 / kRad - p3.AngleOffset), root.Angle);
    if (p1.Layer) {
        p1.X = std::nearbyint(p2.X + p2.Length * std::cos(t2));
        p1.Y = std::nearbyint(p2.Y + p2.Length * std::sin(t2));
        TImagesItem& end = *p1.Layer;
        end.Left = p1.X - end.OrigoX;
        end.Top = p1.Y - end.OrigoY;
        end.Angle = middle.Angle;
    }
}

void RecomputeToolPoints(TEditorState& s) {
    if (s.ToolMode == TToolMode::Bone)
        RecomputeBones(s);
    else
        RecomputeCurveAndEllipse(s);
}

int CreateStartCommands(TEditorState& s, TDialogs& dialogs) {
    TScene& scene = s.Scene;
    std::vector<TImagesItem*> selected;
    for (int i = 0; i < scene.Layers.Count(); ++i)
        if (scene.Layers.At(i)->Selected) selected.push_back(scene.Layers.At(i));
    if (selected.empty()) return 0;
    for (TImagesItem* a : selected)
        if (a->ActiveTracks[1])
            CheckTrackRoom(*a, *a->ActiveTracks[1], static_cast<int64_t>(selected.size()) - 1);
    s.Undo.Record(-TUndoBuffer::kindKeyTouchStart);
    int made = 0;
    for (TImagesItem* a : selected) {
        TCommands* track = a->ActiveTracks[1];
        if (!track) continue;
        for (TImagesItem* b : selected) {
            if (a == b) continue;
            track->Add(
                std::make_unique<TCommandItem>(cmdStartOther, b->Name, QStringLiteral("1"), QString()));
            ++made;
        }
    }
    if (made > 0) scene.Saved = false;
    dialogs.Message(QCoreApplication::translate("PathTools", "Az indítási parancsok elkészültek!"));
    return made;
}

} // namespace velkon
