#pragma once

#include "render/canvasrenderer.h"
#include "render/offscreensurface.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace velkon {

class TEditorState;
class TFilesItem;
struct TTextureData;

// The canvas's redraw pass on an offscreen surface: the frame the editor's
// canvas reads back (at zoom 1, no scroll offset) for the same scene and
// options, drawn with no display. The scene's textures are uploaded into this
// surface's context; the destructor hands them back as they were (waiting
// for an upload), so the scene can be drawn again elsewhere.
class TOffscreenRenderer {
public:
    explicit TOffscreenRenderer(TEditorState& state);
    ~TOffscreenRenderer();
    TOffscreenRenderer(const TOffscreenRenderer&) = delete;
    TOffscreenRenderer& operator=(const TOffscreenRenderer&) = delete;

    // An offscreen frame of width x height pixels; the target screen is
    // scaled to it. False with *error when no offscreen OpenGL can be had.
    bool Open(int width, int height, QString* error);
    // Draws the scene as it is now and reads it back: width*height*4 bytes,
    // RGBA, top row first, opaque (as the screen shows it).
    void Draw(const TRenderOptions& options, uint8_t* rgba);
    // Draws without reading back (the benchmark's half of a frame).
    void DrawOnly(const TRenderOptions& options);

    int Width() const { return surface_.Width(); }
    int Height() const { return surface_.Height(); }
    TOffscreenSurface& Surface() { return surface_; }

    // Pictures without a usable texture report their message here.
    std::function<void(const QString&)> OnTextureError;

private:
    void Upload();

    TEditorState& state_;
    TOffscreenSurface surface_;
    TCanvasRenderer renderer_;
    // What each uploaded file was waiting with, to be given back.
    std::vector<std::pair<std::weak_ptr<TFilesItem>, std::shared_ptr<const TTextureData>>> uploaded_;
};

} // namespace velkon
