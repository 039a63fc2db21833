#include "render/offscreensurface.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>
#include <QCoreApplication>
#include <cstring>
#include <mutex>

namespace velkon {

namespace {

bool HasExtension(const char* list, const char* name) {
    if (!list) return false;
    const size_t n = std::strlen(name);
    for (const char* p = list; (p = std::strstr(p, name)) != nullptr; p += n)
        if ((p == list || p[-1] == ' ') && (p[n] == ' ' || p[n] == '\0')) return true;
    return false;
}

// One EGL display for the process, made on first use and kept: contexts of
// several surfaces share it, and terminating it would pull it from under them.
struct TDisplay {
    EGLDisplay Display = EGL_NO_DISPLAY;
    QString Platform, Error;
};

TDisplay OpenDisplay() {
    TDisplay out;
    const char* client = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
    auto getPlatformDisplay =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!getPlatformDisplay) {
        out.Error = QCoreApplication::translate("TOffscreenSurface", "az EGL-ben nincs eglGetPlatformDisplayEXT");
        return out;
    }
    auto tryDisplay = [&](EGLenum platform, void* native, const char* name) {
        EGLDisplay display = getPlatformDisplay(platform, native, nullptr);
        if (display == EGL_NO_DISPLAY) return false;
        EGLint major = 0, minor = 0;
        if (!eglInitialize(display, &major, &minor)) return false;
        out.Display = display;
        out.Platform = QString::fromLatin1(name);
        return true;
    };
    if (HasExtension(client, "EGL_MESA_platform_surfaceless") &&
        tryDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, "surfaceless"))
        return out;
    // The device platform: the first device that gives a display.
    auto queryDevices = reinterpret_cast<PFNEGLQUERYDEVICESEXTPROC>(eglGetProcAddress("eglQueryDevicesEXT"));
    if (HasExtension(client, "EGL_EXT_platform_device") && queryDevices) {
        EGLDeviceEXT devices[16];
        EGLint count = 0;
        if (queryDevices(16, devices, &count))
            for (EGLint i = 0; i < count; ++i)
                if (tryDisplay(EGL_PLATFORM_DEVICE_EXT, devices[i], "device")) return out;
    }
    out.Error = QCoreApplication::translate("TOffscreenSurface", "ablakrendszer nélkül nincs EGL-kijelző (sem surfaceless, sem device platform)");
    return out;
}

const TDisplay& Display() {
    static std::once_flag once;
    static TDisplay display;
    std::call_once(once, [] { display = OpenDisplay(); });
    return display;
}

// The framebuffer object entry points (OpenGL 3.0), looked up at run time.
struct TFboApi {
    PFNGLGENFRAMEBUFFERSPROC GenFramebuffers = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC DeleteFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC BindFramebuffer = nullptr;
    PFNGLGENRENDERBUFFERSPROC GenRenderbuffers = nullptr;
    PFNGLDELETERENDERBUFFERSPROC DeleteRenderbuffers = nullptr;
    PFNGLBINDRENDERBUFFERPROC BindRenderbuffer = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC RenderbufferStorage = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC FramebufferRenderbuffer = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC CheckFramebufferStatus = nullptr;

    bool Load() {
        auto get = [](auto& f, const char* name) { f = reinterpret_cast<std::decay_t<decltype(f)>>(eglGetProcAddress(name)); };
        get(GenFramebuffers, "glGenFramebuffers");
        get(DeleteFramebuffers, "glDeleteFramebuffers");
        get(BindFramebuffer, "glBindFramebuffer");
        get(GenRenderbuffers, "glGenRenderbuffers");
        get(DeleteRenderbuffers, "glDeleteRenderbuffers");
        get(BindRenderbuffer, "glBindRenderbuffer");
        get(RenderbufferStorage, "glRenderbufferStorage");
        get(FramebufferRenderbuffer, "glFramebufferRenderbuffer");
        get(CheckFramebufferStatus, "glCheckFramebufferStatus");
        return GenFramebuffers && DeleteFramebuffers && BindFramebuffer && GenRenderbuffers && DeleteRenderbuffers &&
               BindRenderbuffer && RenderbufferStorage && FramebufferRenderbuffer && CheckFramebufferStatus;
    }
};

} // namespace

struct TOffscreenSurface::TData {
    EGLDisplay Display = EGL_NO_DISPLAY;
    EGLContext Context = EGL_NO_CONTEXT;
    QString Platform;
    TFboApi Fbo;
    GLuint Framebuffer = 0, Colour = 0;
    std::vector<uint8_t> Rows; // the read-back, bottom row first
};

TOffscreenSurface::TOffscreenSurface() : d_(std::make_unique<TData>()) {}

TOffscreenSurface::~TOffscreenSurface() {
    if (d_->Context == EGL_NO_CONTEXT) return;
    if (MakeCurrent()) {
        if (d_->Framebuffer) d_->Fbo.DeleteFramebuffers(1, &d_->Framebuffer);
        if (d_->Colour) d_->Fbo.DeleteRenderbuffers(1, &d_->Colour);
    }
    eglMakeCurrent(d_->Display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(d_->Display, d_->Context);
}

bool TOffscreenSurface::Open(int width, int height, QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384)
        return fail(QCoreApplication::translate("TOffscreenSurface", "a képkocka nem lehet %1x%2 képpontos").arg(width).arg(height));
    if (d_->Context == EGL_NO_CONTEXT) {
        const TDisplay& display = Display();
        if (display.Display == EGL_NO_DISPLAY) return fail(display.Error);
        d_->Display = display.Display;
        d_->Platform = display.Platform;
        const char* extensions = eglQueryString(d_->Display, EGL_EXTENSIONS);
        if (!HasExtension(extensions, "EGL_KHR_surfaceless_context"))
            return fail(QCoreApplication::translate("TOffscreenSurface", "az EGL felület nélkül nem tud környezetet aktiválni"));
        if (!eglBindAPI(EGL_OPENGL_API)) return fail(QCoreApplication::translate("TOffscreenSurface", "az EGL nem kínál asztali OpenGL-t"));
        EGLConfig config = nullptr;
        if (!HasExtension(extensions, "EGL_KHR_no_config_context")) {
            const EGLint attributes[] = {EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_SURFACE_TYPE, 0, EGL_NONE};
            EGLint count = 0;
            if (!eglChooseConfig(d_->Display, attributes, &config, 1, &count) || count < 1)
                return fail(QCoreApplication::translate("TOffscreenSurface", "az EGL-nek nincs beállítása asztali OpenGL-hez"));
        }
        // The canvas draws with the fixed-function pipeline: a compatibility profile.
        const EGLint context[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK, EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT,
                                  EGL_NONE};
        d_->Context = eglCreateContext(d_->Display, config, EGL_NO_CONTEXT, context);
        if (d_->Context == EGL_NO_CONTEXT)
            return fail(QCoreApplication::translate("TOffscreenSurface", "az EGL nem tudott OpenGL-környezetet létrehozni (0x%1)").arg(eglGetError(), 0, 16));
        if (!eglMakeCurrent(d_->Display, EGL_NO_SURFACE, EGL_NO_SURFACE, d_->Context))
            return fail(QCoreApplication::translate("TOffscreenSurface", "az EGL nem tudta aktiválni az OpenGL-környezetet (0x%1; talán egy másik aktív?)")
                            .arg(eglGetError(), 0, 16));
        if (!d_->Fbo.Load()) return fail(QCoreApplication::translate("TOffscreenSurface", "az OpenGL-ben nincsenek framebuffer-objektumok"));
    }
    if (!MakeCurrent())
        return fail(QCoreApplication::translate("TOffscreenSurface", "az EGL nem tudta aktiválni az OpenGL-környezetet (0x%1; talán egy másik aktív?)")
                        .arg(eglGetError(), 0, 16));
    if (width == width_ && height == height_ && d_->Framebuffer) return true;
    auto& f = d_->Fbo;
    if (!d_->Framebuffer) {
        f.GenFramebuffers(1, &d_->Framebuffer);
        f.GenRenderbuffers(1, &d_->Colour);
    }
    f.BindRenderbuffer(GL_RENDERBUFFER, d_->Colour);
    f.RenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    f.BindFramebuffer(GL_FRAMEBUFFER, d_->Framebuffer);
    f.FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, d_->Colour);
    if (f.CheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
        return fail(QCoreApplication::translate("TOffscreenSurface", "az OpenGL nem tud %1x%2 méretű képkockába rajzolni").arg(width).arg(height));
    width_ = width;
    height_ = height;
    return true;
}

bool TOffscreenSurface::MakeCurrent() {
    if (d_->Context == EGL_NO_CONTEXT) return false;
    if (eglGetCurrentContext() != d_->Context &&
        !eglMakeCurrent(d_->Display, EGL_NO_SURFACE, EGL_NO_SURFACE, d_->Context))
        return false;
    if (d_->Framebuffer) d_->Fbo.BindFramebuffer(GL_FRAMEBUFFER, d_->Framebuffer);
    return true;
}

void TOffscreenSurface::DoneCurrent() {
    if (d_->Context != EGL_NO_CONTEXT && eglGetCurrentContext() == d_->Context)
        eglMakeCurrent(d_->Display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
}

void TOffscreenSurface::ReadRgba(uint8_t* rgba) {
    const size_t row = static_cast<size_t>(width_) * 4;
    d_->Rows.resize(row * static_cast<size_t>(height_));
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, d_->Rows.data());
    // OpenGL rows run bottom-up; frames are stored top row first.
    for (int y = 0; y < height_; ++y)
        std::memcpy(rgba + static_cast<size_t>(y) * row, d_->Rows.data() + static_cast<size_t>(height_ - 1 - y) * row,
                    row);
}

QString TOffscreenSurface::Platform() const { return d_->Platform; }

QString TOffscreenSurface::Renderer() const {
    const auto* s = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    return s ? QString::fromLatin1(s) : QString();
}

} // namespace velkon
