#pragma once

#include <QString>
#include <cstdint>
#include <functional>

namespace velkon {

class TEditorState;
class TImagesItem;
class TScene;

// What the redraw pass reads from the tool bar, the keyframe editor and the
// canvas interaction besides the scene and the editor state.
struct TRenderOptions {
    bool ClearFrame = false;   // ClearCheckBox: fill the frame with the background colour
    bool ShowPhases = false;   // CommandPreviewSpeedButton
    int PhaseOpacity = 5;      // TrackBar2, 1..10
    int PhasesBefore = 1;      // SpinEdit1
    int PhasesAfter = 1;       // SpinEdit2
    bool ShowPaths = false;    // VonalakCB
    bool KeyFramePlay = false; // the keyframe editor's play button is down
    bool Dragging = false;     // a drag on the canvas is in progress
    bool Marquee = false;      // a marquee drag is active
    double MarqueeDownX = 0, MarqueeDownY = 0, PointerX = 0, PointerY = 0; // target pixels
    bool InverseSweep = false;                                             // keyframe editor's "Inverz"
    bool AutoRotate = false;                                               // keyframe editor's "Auto rotate"
    QString AutoDuration = QStringLiteral("1"); // keyframe editor's AutoDurationEdit
    bool ReadBack = false; // the frame is read back (screenshot, pack): no editing placeholders
    // The editing marks: selection colour and frames, touch rectangles, onion
    // phases and paths, the marquee, tool points and helper lines. Off: the
    // scene alone, as a rendered frame shows it.
    bool EditingMarks = true;
};

// The fixed-function redraw pass of the canvas. Every call expects the
// canvas's OpenGL context to be current; it keeps no state between passes
// beyond the FPS counters.
class TCanvasRenderer {
public:
    explicit TCanvasRenderer(TEditorState& state);

    // Depth test off, source-alpha blending, 2D texturing.
    static void InitGlState();
    // Viewport and orthographic projection of a canvas of the given size:
    // one unit is one window pixel, y points down.
    static void SetProjection(int width, int height);

    // Uploads the textures prepared at load time (also for files loaded
    // before the canvas existed). Pictures without a usable texture report
    // their message through onError.
    void UploadPendingTextures(const std::function<void(const QString&)>& onError);
    static void DeleteTexture(uint32_t texture);

    // One full pass (without the buffer swap). It reads the scene and the
    // editor state and changes neither; the hit-test corners and the
    // selection bounds it frames are computed by the caller before the pass.
    void Render(const TRenderOptions& options);

    // FPS measurement: updated on every pass, reported through OnFps.
    int FramesPerSecond = 0;
    std::function<void(int fps)> OnFps;

    // Sets the layer transform (with or without the flip factors).
    void LayerTransform(const TImagesItem& layer, bool flip) const;

private:
    TEditorState& state_;
    TScene& scene_;
    const TRenderOptions* options_ = nullptr;
    int frameCounter_ = 0;
    int64_t secondStart_ = 0;

    void UpdateFps();
    void DrawLayer(TImagesItem& layer);
    void DrawQuad(const TImagesItem& layer) const;
    void DrawPlaceholder(const TImagesItem& layer) const;
    void DrawSelectionMarks(const TImagesItem& layer) const;
    void DrawPhases(TImagesItem& layer);
    void DrawPaths(TImagesItem& layer, int count, int k);
    void DrawToolPoints();
    void DrawHelperLines() const;
    void FrameTransform() const;
    static void DrawHandle(uint32_t colour, double x, double y);
    static void Colour(uint32_t bgr, double alpha);
};

} // namespace velkon
