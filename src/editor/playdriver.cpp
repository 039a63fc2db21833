#include "editor/playdriver.h"

#include "editor/editordocument.h"
#include "editor/velkonapplication.h"

namespace velkon {

TPlayDriver::TPlayDriver(TEditorDocument& document, QObject* parent) : QObject(parent), document_(document) {
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, [this] {
        TVelkonApplication::Guard(this, [this] {
            if (!Pass()) timer_.stop();
        });
    });
    connect(&document_, &TEditorDocument::PlayStarted, this, [this] { Start(); });
}

void TPlayDriver::Start() {
    passes_ = 0;
    if (!timer_.isActive()) timer_.start();
}

void TPlayDriver::Stop() {
    timer_.stop();
}

bool TPlayDriver::Pass() {
    ++passesRun_;
    const bool playing = document_.PlayTick();
    if (++passes_ > 3) {
        emit FrameDue();
        passes_ = 0;
    }
    if (document_.Scene.CurrentLayer != lastCurrentLayer_) {
        emit document_.SelectionChanged();
        lastCurrentLayer_ = document_.Scene.CurrentLayer;
    }
    if (!playing) emit FrameDue(); // the last frame shows the restored scene
    return playing;
}

} // namespace velkon
