#include "render/offscreenrenderer.h"

#include "edit/editorstate.h"
#include "model/filesitem.h"
#include "model/picture.h"
#include "model/scene.h"

#include <GL/gl.h>

namespace velkon {

TOffscreenRenderer::TOffscreenRenderer(TEditorState& state) : state_(state), renderer_(state) {}

TOffscreenRenderer::~TOffscreenRenderer() {
    if (surface_.MakeCurrent())
        for (const auto& [weak, pending] : uploaded_)
            if (const auto file = weak.lock()) {
                if (file->Texture != 0) TCanvasRenderer::DeleteTexture(file->Texture);
                // Waiting for an upload again, as before this surface took it.
                file->Texture = 0;
                if (!file->PendingTexture) file->PendingTexture = pending;
            }
    surface_.DoneCurrent();
}

bool TOffscreenRenderer::Open(int width, int height, QString* error) {
    if (!surface_.Open(width, height, error)) return false;
    TCanvasRenderer::InitGlState();
    Upload();
    return true;
}

void TOffscreenRenderer::Upload() {
    std::vector<std::pair<std::weak_ptr<TFilesItem>, std::shared_ptr<const TTextureData>>> pending;
    for (const auto& entry : state_.Scene.Files)
        if (entry.second->PendingTexture) pending.emplace_back(entry.second, entry.second->PendingTexture);
    if (pending.empty()) return;
    renderer_.UploadPendingTextures(OnTextureError);
    uploaded_.insert(uploaded_.end(), pending.begin(), pending.end());
}

void TOffscreenRenderer::DrawOnly(const TRenderOptions& options) {
    surface_.MakeCurrent();
    Upload(); // files added since the last frame
    // The whole target screen at 100 %, whatever the editor's zoom and scroll
    // are, scaled to the frame's size.
    const double zoom = state_.Zoom;
    const int32_t ox = state_.FrameOffsetX, oy = state_.FrameOffsetY;
    state_.Zoom = 1.0;
    state_.FrameOffsetX = state_.FrameOffsetY = 0;
    TCanvasRenderer::InitGlState();
    TCanvasRenderer::SetProjection(state_.TargetWidth, state_.TargetHeight);
    glViewport(0, 0, surface_.Width(), surface_.Height());
    renderer_.Render(options);
    state_.Zoom = zoom;
    state_.FrameOffsetX = ox;
    state_.FrameOffsetY = oy;
}

void TOffscreenRenderer::Draw(const TRenderOptions& options, uint8_t* rgba) {
    DrawOnly(options);
    surface_.ReadRgba(rgba);
    const size_t n = static_cast<size_t>(surface_.Width()) * static_cast<size_t>(surface_.Height());
    for (size_t i = 0; i < n; ++i)
        rgba[i * 4 + 3] = 255;
}

} // namespace velkon
