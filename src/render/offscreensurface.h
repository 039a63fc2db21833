#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace velkon {

// An OpenGL context that needs no display: EGL on Mesa's surfaceless platform
// (or, failing that, on the first EGL device), a desktop OpenGL compatibility
// context for the fixed-function canvas renderer, and a framebuffer object of
// the frame size to draw into. Works without DISPLAY and without an X server.
class TOffscreenSurface {
public:
    TOffscreenSurface();
    ~TOffscreenSurface();
    TOffscreenSurface(const TOffscreenSurface&) = delete;
    TOffscreenSurface& operator=(const TOffscreenSurface&) = delete;

    // Makes the context (once) and a framebuffer of this size, and makes both
    // current. The thread may have no other API's context current (a Qt
    // canvas's GLX context: doneCurrent() it first). False with *error when no offscreen OpenGL can be had.
    bool Open(int width, int height, QString* error);
    // Makes the context and its framebuffer current on this thread again.
    bool MakeCurrent();
    void DoneCurrent();

    // Reads the framebuffer back as RGBA, top row first (width*height*4 bytes).
    void ReadRgba(uint8_t* rgba);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // "surfaceless" or "device": which EGL platform gave the display.
    QString Platform() const;
    // The OpenGL renderer string (for messages and benchmarks).
    QString Renderer() const;

private:
    struct TData;
    std::unique_ptr<TData> d_;
    int width_ = 0, height_ = 0;
};

} // namespace velkon
