#pragma once

// The UI benchmarks' main window: shown at 1400 x 900 with its OpenGL canvas
// ready (waits up to 10 s). Header only: the generator library has no UI.

#include "editor/canvasview.h"
#include "editor/mainform.h"
#include "editor/oglrenderpanel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <cstdio>

namespace velkon::bench {

inline bool ShowCanvasForm(TMainForm& form) {
    form.Dialogs = nullptr;
    form.resize(1400, 900);
    form.show();
    QElapsedTimer wait;
    wait.start();
    while (!form.Canvas->OGLRenderPanel->Ready() && wait.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(5);
    }
    if (!form.Canvas->OGLRenderPanel->Ready()) {
        std::fprintf(stderr, "no OpenGL canvas\n");
        return false;
    }
    return true;
}

} // namespace velkon::bench
