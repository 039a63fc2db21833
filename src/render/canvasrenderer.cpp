#include "render/canvasrenderer.h"

#include "edit/editorstate.h"
#include "edit/helperlines.h"
#include "edit/pathtools.h"
#include "edit/phasestep.h"
#include "engine/motionmath.h"
#include "model/commanddesc.h"
#include "model/filesitem.h"
#include "model/imagesitem.h"
#include "model/picture.h"
#include "model/scene.h"

#include <GL/gl.h>
#include <chrono>
#include <cmath>

namespace velkon {

namespace {

int64_t TickMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

struct TGeometry {
    double Top, Left, Width, Height, Angle;
    explicit TGeometry(const TImagesItem& l)
        : Top(l.Top), Left(l.Left), Width(l.Width), Height(l.Height), Angle(l.Angle) {}
    void RestoreTo(TImagesItem& l) const {
        l.Top = Top;
        l.Left = Left;
        l.Width = Width;
        l.Height = Height;
        l.Angle = Angle;
    }
};

// A layer whose picture is missing or could not be decoded.
bool NoPicture(const TImagesItem& l) {
    return !l.Picture || l.Picture->IsEmpty();
}

// A picture that loaded but gave no texture (a JPEG or BMP): nothing of it can be shown.
bool NoTexture(const TImagesItem& l) {
    return !l.FileItem || (l.FileItem->Texture == 0 && !l.FileItem->PendingTexture);
}

// Without a picture the layer's own size stands in for it (as for hit-testing).
double PictureWidth(const TImagesItem& l) {
    return !NoPicture(l) ? l.Picture->Width : (l.Width != 0 ? l.Width : 1);
}
double PictureHeight(const TImagesItem& l) {
    return !NoPicture(l) ? l.Picture->Height : (l.Height != 0 ? l.Height : 1);
}

} // namespace

TCanvasRenderer::TCanvasRenderer(TEditorState& state)
    : state_(state), scene_(state.Scene), secondStart_(TickMs()) {}

void TCanvasRenderer::InitGlState() {
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
}

void TCanvasRenderer::SetProjection(int width, int height) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glViewport(0, 0, width, height);
    glOrtho(0, width, height, 0, 1, -1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void TCanvasRenderer::UploadPendingTextures(const std::function<void(const QString&)>& onError) {
    for (const auto& entry : scene_.Files) {
        TFilesItem& file = *entry.second;
        if (!file.PendingTexture) continue;
        // File items of one path share the data; the last upload frees it.
        const std::shared_ptr<const TTextureData> pending = std::move(file.PendingTexture);
        file.PendingTexture.reset();
        const TTextureData& tex = *pending;
        if (!tex.Error.isEmpty()) {
            if (onError) onError(QStringLiteral("%1 (%2)").arg(tex.Error, file.Path));
            continue;
        }
        if (!tex.Ok()) continue;
        if (file.Texture != 0) glDeleteTextures(1, &file.Texture);
        GLuint name = 0;
        glGenTextures(1, &name);
        glBindTexture(GL_TEXTURE_2D, name);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        const GLenum format = tex.Channels == 4 ? GL_RGBA : GL_RGB;
        glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), tex.TexWidth, tex.TexHeight, 0, format,
                     GL_UNSIGNED_BYTE, tex.Data.data());
        file.Texture = name;
        file.TexExtentX = tex.ExtentX;
        file.TexExtentY = tex.ExtentY;
    }
    glBindTexture(GL_TEXTURE_2D, 0);
}

void TCanvasRenderer::DeleteTexture(uint32_t texture) {
    const GLuint name = texture;
    glDeleteTextures(1, &name);
}

void TCanvasRenderer::UpdateFps() {
    if (OnFps) OnFps(FramesPerSecond);
    ++frameCounter_;
    const int64_t now = TickMs();
    if (now - secondStart_ > 1000) {
        secondStart_ += 1000;
        // After a long idle pause the measurement starts afresh instead of catching up.
        if (now - secondStart_ > 1000) secondStart_ = now;
        FramesPerSecond = frameCounter_;
        frameCounter_ = 0;
    }
}

void TCanvasRenderer::FrameTransform() const {
    glLoadIdentity();
    glTranslated(state_.FrameOffsetX, state_.FrameOffsetY, 0);
    glScaled(state_.Zoom, state_.Zoom, 1);
}

void TCanvasRenderer::LayerTransform(const TImagesItem& l, bool flip) const {
    const double pw = PictureWidth(l), ph = PictureHeight(l);
    const double fx = flip && (l.FlipMode & 1) ? -1.0 : 1.0;
    const double fy = flip && (l.FlipMode & 2) ? -1.0 : 1.0;
    glLoadIdentity();
    glTranslated(state_.FrameOffsetX, state_.FrameOffsetY, 0);
    glTranslated(l.Left * state_.Zoom, l.Top * state_.Zoom, 0);
    glScaled(state_.Zoom, state_.Zoom, 1);
    glTranslated(l.OrigoX, l.OrigoY, 0);
    glRotated(l.Angle, 0, 0, 1);
    // An empty picture draws nothing; keep the matrix finite for it.
    glScaled(fx * (pw > 0 ? l.Width / pw : 1.0), fy * (ph > 0 ? l.Height / ph : 1.0), 1);
    glTranslated(-l.OrigoX, -l.OrigoY, 0);
}

void TCanvasRenderer::Colour(uint32_t bgr, double alpha) {
    // Colours are stored as Windows COLORREFs: red in the low byte.
    glColor4d((bgr & 0xFF) / 255.0, ((bgr >> 8) & 0xFF) / 255.0, ((bgr >> 16) & 0xFF) / 255.0, alpha);
}

void TCanvasRenderer::DrawHandle(uint32_t colour, double x, double y) {
    glDisable(GL_TEXTURE_2D);
    glColor4d(0, 0, 0, 1);
    glRectd(x - 4, y - 4, x + 4, y + 4);
    Colour(colour, 1);
    glRectd(x - 2, y - 2, x + 2, y + 2);
}

void TCanvasRenderer::DrawQuad(const TImagesItem& l) const {
    // Nothing to show; the editor's view draws a placeholder instead.
    if (NoPicture(l) || NoTexture(l)) return;
    const double pw = PictureWidth(l), ph = PictureHeight(l);
    const double ex = l.FileItem ? l.FileItem->TexExtentX : 0, ey = l.FileItem ? l.FileItem->TexExtentY : 0;
    glBegin(GL_QUADS);
    glNormal3d(0, 0, 1);
    glTexCoord2d(0, 0);
    glVertex2d(0, 0);
    glTexCoord2d(ex, 0);
    glVertex2d(pw, 0);
    glTexCoord2d(ex, ey);
    glVertex2d(pw, ph);
    glTexCoord2d(0, ey);
    glVertex2d(0, ph);
    glEnd();
}

static void LoopRect(double l, double t, double r, double b) {
    glBegin(GL_LINE_LOOP);
    glVertex2d(l, t);
    glVertex2d(r, t);
    glVertex2d(r, b);
    glVertex2d(l, b);
    glEnd();
}

// A magenta outline with its diagonals at the layer's size, so that a layer without its
// picture can still be seen and picked.
void TCanvasRenderer::DrawPlaceholder(const TImagesItem& l) const {
    const double w = PictureWidth(l), h = PictureHeight(l);
    glDisable(GL_TEXTURE_2D);
    glLineWidth(2);
    glColor4d(1, 0, 1, 1);
    LoopRect(0, 0, w, h);
    glBegin(GL_LINES);
    glVertex2d(0, 0);
    glVertex2d(w, h);
    glVertex2d(w, 0);
    glVertex2d(0, h);
    glEnd();
    glLineWidth(1);
    glEnable(GL_TEXTURE_2D);
}

void TCanvasRenderer::DrawSelectionMarks(const TImagesItem& l) const {
    glDisable(GL_TEXTURE_2D);
    glLoadIdentity();
    glTranslated(state_.FrameOffsetX + l.Left * state_.Zoom, state_.FrameOffsetY + l.Top * state_.Zoom, 0);
    glScaled(state_.Zoom, state_.Zoom, 1);
    glColor4d(0, 0, 0, 1);
    glRectd(l.OrigoX - 4, l.OrigoY - 4, l.OrigoX + 4, l.OrigoY + 4);
    glColor4d(0, 1, 0, 1);
    glRectd(l.OrigoX - 2, l.OrigoY - 2, l.OrigoX + 2, l.OrigoY + 2);

    LayerTransform(l, false);
    const double pw = PictureWidth(l), ph = PictureHeight(l);
    glColor4d(0, 0, 0, 1);
    LoopRect(0, 0, pw, ph);
    glColor4d(1, 1, 1, 1);
    LoopRect(1, 1, pw - 1, ph - 1);
    // The third and fourth touch fields are the right and bottom edges.
    glColor4d(1, 0, 0, 1);
    LoopRect(l.TouchLeft, l.TouchTop, l.TouchWidth, l.TouchHeight);
    glColor4d(1, 1, 1, 1);
    LoopRect(l.TouchLeft + 1, l.TouchTop + 1, l.TouchWidth - 1, l.TouchHeight - 1);
    glEnable(GL_TEXTURE_2D);
}

void TCanvasRenderer::DrawPhases(TImagesItem& l) {
    const TGeometry saved(l);
    glPushMatrix();
    if (state_.KeyframeMode) l.RestoreState();
    const TCommands* first = l.ActiveTracks[0];
    const int n = first ? first->Count() : 0;
    const int k = state_.KeyFrameIndex;
    const double alpha = 0.1 * options_->PhaseOpacity;
    for (int i = 0; i <= n; ++i) {
        const bool shown =
            !state_.KeyframeMode || (i > k - options_->PhasesBefore && i < k + options_->PhasesAfter + 2);
        LayerTransform(l, false);
        if (i > k)
            glColor4d(0.5, 1, 0.5, alpha);
        else if (i < k)
            glColor4d(1, 0.5, 0.5, alpha);
        if (shown) DrawQuad(l);
        if (i < n) ApplyPhaseStep(l, i, state_);
    }
    glPopMatrix();
    if (options_->ShowPaths) {
        saved.RestoreTo(l); // the path starts where the layer is, not where the last phase left it
        DrawPaths(l, n, k);
    }
    // The geometry only: Alpha keeps what the last phase set, and the layer is drawn with it.
    saved.RestoreTo(l);
    glEnable(GL_TEXTURE_2D);
    glLineWidth(1);
}

void TCanvasRenderer::DrawPaths(TImagesItem& l, int n, int k) {
    const TGeometry saved(l);
    glDisable(GL_TEXTURE_2D);
    glPushMatrix();
    FrameTransform();
    glLineWidth(2);
    for (int i = 0; i <= n; ++i) {
        DrawHandle(0xFF0000, l.Left + l.OrigoX, l.Top + l.OrigoY);
        if (i < n) ApplyPhaseStep(l, i, state_);
    }
    saved.RestoreTo(l);
    glColor4d(0, 0, 1, 1);
    glBegin(GL_LINE_STRIP);
    if (!state_.KeyframeMode) glVertex2d(l.Left + l.OrigoX, l.Top + l.OrigoY);
    for (int i = 0; i < n; ++i) {
        if (!state_.KeyframeMode || i != k)
            ApplyPhaseStep(l, i, state_);
        else
            saved.RestoreTo(l);
        glVertex2d(l.Left + l.OrigoX, l.Top + l.OrigoY);
    }
    glEnd();
    glPopMatrix();
}

void TCanvasRenderer::DrawToolPoints() {
    const int count = std::min<int>(state_.ToolCount, TEditorState::MaxToolPoints);
    const bool curve = state_.ToolMode == TToolMode::Curve, ellipse = state_.ToolMode == TToolMode::Ellipse;
    auto P = [this](int i) -> TToolPoint& { return state_.ToolPoint(i); };

    // Ghosts of the current layer along the path.
    TImagesItem* layer = scene_.CurrentLayer;
    if (options_->ShowPhases && layer && (curve || ellipse)) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, layer->FileItem ? layer->FileItem->Texture : 0);
        WalkPath(state_, *layer, options_->AutoRotate, [&](TImagesItem& at) {
            LayerTransform(at, false);
            glColor4d(1, 1, 1, 0.5);
            DrawQuad(at);
        });
        glDisable(GL_TEXTURE_2D);
    }

    FrameTransform();
    for (int i = 1; i <= count; ++i)
        if (P(i).Color != 0x01010101)
            DrawHandle(state_.GrabbedPoint == i ? 0x0000FF : P(i).Color, P(i).X, P(i).Y);

    if (curve && count >= 4) {
        glBegin(GL_LINE_STRIP);
        glColor4d(0, 1, 0, 1);
        glVertex2d(P(2).X, P(2).Y);
        glVertex2d(P(4).X, P(4).Y);
        for (int i = 5; i <= count; ++i) {
            glColor4d(1, 0, 0, 1);
            glVertex2d(P(i).X, P(i).Y);
            glColor4d(0, 0, 1, 1);
            glVertex2d(P(i).X, P(i).Y);
        }
        glColor4d(0, 1, 0, 1);
        glVertex2d(P(1).X, P(1).Y);
        glVertex2d(P(3).X, P(3).Y);
        glEnd();
        for (int i = 5; i <= count; ++i)
            DrawHandle(0xFF0000, P(i).X, P(i).Y);
    } else if (ellipse && count >= 4) {
        glColor4d(0, 1, 0, 1);
        glBegin(GL_LINE_STRIP);
        for (int i : {2, 1, 3, 1, 4})
            glVertex2d(P(i).X, P(i).Y);
        glEnd();
        glBegin(GL_LINE_STRIP);
        for (int i = 5; i <= count; ++i) {
            glColor4d(0, 0, 1, 1);
            glVertex2d(P(i).X, P(i).Y);
            if (i == 5 && P(i).Param == 0) glColor4d(0, 1, 0, 1);
            glVertex2d(P(i).X, P(i).Y);
        }
        glEnd();
        for (int i = 5; i <= count; ++i)
            DrawHandle(0xFF0000, P(i).X, P(i).Y);
    } else if (state_.ToolMode == TToolMode::Transpose && count >= 1) {
        glColor4d(0, 1, 0, 1);
        glBegin(GL_LINES);
        glVertex2d(P(-1).X, P(-1).Y);
        glVertex2d(P(1).X, P(1).Y);
        glEnd();
    } else if (state_.ToolMode == TToolMode::Bone && count >= 3 && options_->ShowPaths) {
        glColor4d(0, 0, 1, 1);
        glBegin(GL_LINE_STRIP);
        for (int i : {1, 2, 3})
            glVertex2d(P(i).X, P(i).Y);
        glEnd();
    }
}

void TCanvasRenderer::DrawHelperLines() const {
    glColor4d(0, 0, 1, 1);
    glBegin(GL_LINES);
    for (const THelperLine& line : HelperLines(scene_)) {
        const int v = line.Position;
        if (line.Horizontal) {
            glVertex2d(0, v);
            glVertex2d(state_.TargetWidth, v);
        } else {
            glVertex2d(v, 0);
            glVertex2d(v, state_.TargetHeight);
        }
    }
    glEnd();
}

void TCanvasRenderer::DrawLayer(TImagesItem& l) {
    const bool marks = options_->EditingMarks && l.Selected && !scene_.Playing && !options_->KeyFramePlay;
    LayerTransform(l, true);
    glColor4d(1, 1, 1, l.Alpha / 255.0);
    glBindTexture(GL_TEXTURE_2D, l.FileItem ? l.FileItem->Texture : 0);
    if (marks) {
        if (options_->ShowPhases) {
            DrawPhases(l);
            LayerTransform(l, true);
        }
        Colour(scene_.SelectColor, l.Alpha / 255.0);
    }
    DrawQuad(l);
    if ((NoPicture(l) || NoTexture(l)) && !options_->ReadBack) DrawPlaceholder(l);
    if (marks && !options_->Dragging) DrawSelectionMarks(l);
}

void TCanvasRenderer::Render(const TRenderOptions& options) {
    options_ = &options;
    UpdateFps();

    glClearColor(0.87f, 0.87f, 0.87f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    FrameTransform();
    if (options.ClearFrame) {
        glDisable(GL_TEXTURE_2D);
        Colour(scene_.BackgroundColor, 1);
        glRectd(0, 0, state_.TargetWidth, state_.TargetHeight);
    }
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);

    for (const auto& entry : scene_.Layers) {
        TImagesItem& l = *entry.second;
        if (l.Visible && l.Shown) DrawLayer(l);
    }

    if (!options.EditingMarks) {
        options_ = nullptr;
        return;
    }
    FrameTransform();
    glLineWidth(2);
    if (options.Marquee) {
        glDisable(GL_TEXTURE_2D);
        glLineStipple(3, 0xAAAA);
        glEnable(GL_LINE_STIPPLE);
        glColor4d(0, 0, 1, 1);
        LoopRect(options.MarqueeDownX, options.MarqueeDownY, options.PointerX, options.PointerY);
        glDisable(GL_LINE_STIPPLE);
        glEnable(GL_TEXTURE_2D);
    }
    // The selection's frame is the bounds the canvas computed for hit-testing before the pass.
    bool haveBounds = false;
    for (const auto& entry : scene_.Layers)
        haveBounds = haveBounds || (entry.second->Selected && entry.second->Visible && entry.second->Shown);
    const bool anySelected = haveBounds || scene_.SelectedCount > 0;
    const bool aids = !scene_.Playing && !options.KeyFramePlay && !options.Dragging;
    if (haveBounds && aids) {
        glLoadIdentity();
        glDisable(GL_TEXTURE_2D);
        glColor4d(0, 0, 1, 1);
        const TRectI& b = state_.SelectionBounds;
        LoopRect(b.Left, b.Top, b.Right, b.Bottom);
        FrameTransform();
    }
    if (!scene_.Playing) {
        glDisable(GL_TEXTURE_2D);
        if (state_.ToolCount > 0) DrawToolPoints();
        FrameTransform();
        DrawHelperLines();
        if (anySelected && aids)
            DrawHandle(state_.GrabbedPoint == -1 ? 0x0000FF : 0xFFFFFF, state_.ToolPoint(-1).X,
                       state_.ToolPoint(-1).Y);
    }
    glEnable(GL_TEXTURE_2D);
    glLineWidth(1);
    options_ = nullptr;
}

} // namespace velkon
