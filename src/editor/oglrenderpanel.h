#pragma once

#include "render/canvasrenderer.h"

#include <QImage>
#include <QOpenGLWidget>
#include <functional>

namespace velkon {

class TEditorState;

// The OpenGL canvas: a compatibility-profile context driven with the
// fixed-function pipeline. It uploads the textures the core prepared, runs the
// redraw pass on every paint and reads frames back for screenshots and packs.
class TOGLRenderPanel : public QOpenGLWidget {
    Q_OBJECT
public:
    TOGLRenderPanel(TEditorState& state, QWidget* parent = nullptr);
    ~TOGLRenderPanel() override;

    TCanvasRenderer Renderer;
    // Filled by the main window before each pass.
    std::function<TRenderOptions()> Options;
    // Texture messages ("Invalid imageformat! (path)"...).
    std::function<void(const QString&)> OnTextureError;
    // Canvas mouse events; a double click arrives as a press of type MouseButtonDblClick.
    std::function<void(QMouseEvent*)> OnMouseMove, OnMousePress, OnMouseRelease;

    // OpenGL is set up (the "canvas ready" flag).
    bool Ready() const { return ready_; }

    // Renders the target frame at zoom 1 without editing aids' dependence on
    // the scroll position and reads it back, top row first, as 24-bit RGB.
    QImage ReadFrame(bool editingMarks = true);

    // Last pointer position over the canvas, in window pixels.
    QPoint PointerPos;

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    TEditorState& state_;
    bool ready_ = false;
    void Upload();
};

} // namespace velkon
