// One canvas frame of a generated 2,000-layer scene against a bare loop that
// draws the same textured quads with the same GL state, in the same context.
// Prints: render_frame: <ours> vs <reference> = <ratio>x

#include "editor/canvasview.h"
#include "editor/mainform.h"
#include "editor/oglrenderpanel.h"
#include "editor/velkonapplication.h"
#include "model/filesitem.h"
#include "model/picture.h"

#include "generator/canvasform.h"
#include "generator/generator.h"

#include <GL/gl.h>
#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>

using namespace velkon;

namespace {

constexpr int LayerCount = 2000;

// The shared synthetic project of the benchmarks, pictures included.
void Generate(TScene& scene, const QString& dir) {
    bench::TGenOptions options;
    options.Layers = LayerCount;
    WriteGeneratedProject(dir, options);
    GenerateScene(scene, options, dir);
}

// The reference: the same quads, transforms, colours and textures, nothing else.
void BareFrame(const TScene& scene) {
    glClearColor(0.87f, 0.87f, 0.87f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    for (const auto& entry : scene.Layers) {
        const TImagesItem& l = *entry.second;
        if (!l.Visible || !l.Shown) continue;
        const double pw = l.Picture ? l.Picture->Width : 0, ph = l.Picture ? l.Picture->Height : 0;
        glLoadIdentity();
        glTranslated(l.Left + l.OrigoX, l.Top + l.OrigoY, 0);
        glRotated(l.Angle, 0, 0, 1);
        glScaled((l.FlipMode & 1 ? -1 : 1) * (pw > 0 ? l.Width / pw : 1),
                 (l.FlipMode & 2 ? -1 : 1) * (ph > 0 ? l.Height / ph : 1), 1);
        glTranslated(-l.OrigoX, -l.OrigoY, 0);
        glColor4d(1, 1, 1, l.Alpha / 255.0);
        glBindTexture(GL_TEXTURE_2D, l.FileItem ? l.FileItem->Texture : 0);
        const double ex = l.FileItem ? l.FileItem->TexExtentX : 0,
                     ey = l.FileItem ? l.FileItem->TexExtentY : 0;
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
}

template <class F> double MedianMs(F&& frame, int runs) {
    std::vector<double> times;
    for (int r = 0; r < runs; ++r) {
        const auto t0 = std::chrono::steady_clock::now();
        frame();
        glFinish();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    SetDefaultSurfaceFormat();
    TVelkonApplication app(argc, argv);
    QTemporaryDir dir;
    TMainForm form;
    if (!bench::ShowCanvasForm(form))
        return 1;
    Generate(form.Scene, dir.path());
    form.Scene.Saved = true;
    TOGLRenderPanel& canvas = *form.Canvas->OGLRenderPanel;
    canvas.makeCurrent();
    canvas.Renderer.UploadPendingTextures(nullptr);
    const TRenderOptions options = form.Canvas->RenderOptions();
    TCanvasRenderer::InitGlState();
    TCanvasRenderer::SetProjection(form.State.CanvasWidth, form.State.CanvasHeight);

    auto ours = [&] { canvas.Renderer.Render(options); };
    auto reference = [&] { BareFrame(form.Scene); };
    // Warm up both paths, then alternate rounds so drift hits both alike.
    MedianMs(ours, 3);
    MedianMs(reference, 3);
    std::vector<double> a, b;
    for (int round = 0; round < 5; ++round) {
        a.push_back(MedianMs(ours, 5));
        b.push_back(MedianMs(reference, 5));
    }
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    const double oursMs = a[a.size() / 2], refMs = b[b.size() / 2];
    std::printf("render_frame: %.3f ms vs %.3f ms = %.2fx\n", oursMs, refMs, oursMs / refMs);
    canvas.doneCurrent();
    form.Scene.ClearLayersAndFiles();
    return 0;
}
