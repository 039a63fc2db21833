#include "editor/oglrenderpanel.h"

#include "edit/canvasgeometry.h"

#include "edit/editorstate.h"
#include "model/filesitem.h"

#include <GL/gl.h>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

namespace velkon {

namespace {
// The canvas whose context owns the textures; file items delete theirs through it.
TOGLRenderPanel* textureOwner = nullptr;

void DeleteCanvasTexture(uint32_t texture) {
    if (!textureOwner || !textureOwner->context()) return;
    textureOwner->makeCurrent();
    TCanvasRenderer::DeleteTexture(texture);
}
} // namespace

TOGLRenderPanel::TOGLRenderPanel(TEditorState& state, QWidget* parent)
    : QOpenGLWidget(parent), Renderer(state), state_(state) {
    setObjectName(QStringLiteral("OGLRenderPanel"));
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    QSurfaceFormat f = format();
    f.setProfile(QSurfaceFormat::CompatibilityProfile);
    f.setSwapInterval(0);
    f.setDepthBufferSize(24);
    setFormat(f);
}

TOGLRenderPanel::~TOGLRenderPanel() {
    if (textureOwner == this) {
        // Textures die with the context; file items freed later must not touch it.
        for (const auto& entry : state_.Scene.Files)
            entry.second->Texture = 0;
        textureOwner = nullptr;
        TFilesItem::DeleteTexture = nullptr;
    }
}

void TOGLRenderPanel::initializeGL() {
    TCanvasRenderer::InitGlState();
    textureOwner = this;
    TFilesItem::DeleteTexture = &DeleteCanvasTexture;
    ready_ = true;
    Upload();
}

void TOGLRenderPanel::Upload() {
    Renderer.UploadPendingTextures(OnTextureError);
}

void TOGLRenderPanel::resizeGL(int, int) {}

void TOGLRenderPanel::paintGL() {
    Upload();
    TCanvasRenderer::InitGlState();
    const qreal dpr = devicePixelRatioF();
    TCanvasRenderer::SetProjection(state_.CanvasWidth, state_.CanvasHeight);
    glViewport(0, 0, static_cast<int>(state_.CanvasWidth * dpr), static_cast<int>(state_.CanvasHeight * dpr));
    // What is on screen is what the mouse hits.
    UpdateCornersAndSelectionBounds(state_);
    Renderer.Render(Options ? Options() : TRenderOptions{});
}

QImage TOGLRenderPanel::ReadFrame(bool editingMarks) {
    if (!ready_) return {};
    makeCurrent();
    Upload();
    const int w = state_.TargetWidth, h = state_.TargetHeight;
    QOpenGLFramebufferObject fbo(w, h);
    fbo.bind();
    // The frame is rendered at 100 % with no offset, so the picture is the
    // whole target screen whatever the zoom and scroll position are.
    const double zoom = state_.Zoom;
    const int ox = state_.FrameOffsetX, oy = state_.FrameOffsetY;
    const TRectI bounds = state_.SelectionBounds;
    state_.Zoom = 1.0;
    state_.FrameOffsetX = state_.FrameOffsetY = 0;
    // Corners keep describing what is on screen: remember and restore them.
    std::vector<std::pair<std::array<int32_t, 4>, std::array<int32_t, 4>>> corners;
    for (const auto& entry : state_.Scene.Layers)
        corners.emplace_back(entry.second->CornersX, entry.second->CornersY);
    TCanvasRenderer::InitGlState();
    TCanvasRenderer::SetProjection(w, h);
    TRenderOptions options = Options ? Options() : TRenderOptions{};
    options.ReadBack = true;
    options.EditingMarks = editingMarks;
    UpdateCornersAndSelectionBounds(state_);
    auto onFps = std::move(Renderer.OnFps);
    Renderer.OnFps = nullptr;
    Renderer.Render(options);
    Renderer.OnFps = std::move(onFps);
    glFinish();
    QImage rgba(w, h, QImage::Format_RGBA8888);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rgba.bits());
    fbo.release();
    state_.Zoom = zoom;
    state_.FrameOffsetX = ox;
    state_.FrameOffsetY = oy;
    state_.SelectionBounds = bounds;
    int i = 0;
    for (const auto& entry : state_.Scene.Layers) {
        entry.second->CornersX = corners[static_cast<size_t>(i)].first;
        entry.second->CornersY = corners[static_cast<size_t>(i)].second;
        ++i;
    }
    doneCurrent();
    // OpenGL rows run bottom-up; pictures are stored top row first.
    return rgba.mirrored(false, true).convertToFormat(QImage::Format_RGB888);
}

void TOGLRenderPanel::mouseMoveEvent(QMouseEvent* event) {
    PointerPos = event->position().toPoint();
    if (OnMouseMove) OnMouseMove(event);
}

void TOGLRenderPanel::mousePressEvent(QMouseEvent* event) {
    PointerPos = event->position().toPoint();
    if (OnMousePress) OnMousePress(event);
}

void TOGLRenderPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    PointerPos = event->position().toPoint();
    if (OnMousePress) OnMousePress(event);
}

void TOGLRenderPanel::mouseReleaseEvent(QMouseEvent* event) {
    PointerPos = event->position().toPoint();
    if (OnMouseRelease) OnMouseRelease(event);
}

} // namespace velkon
