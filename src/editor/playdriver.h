#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>

namespace velkon {

class TEditorDocument;
class TImagesItem;

// The idle loop: while the scene or a keyframe plays it ticks the player
// (the automatic stop included, through the document), paces the redraws to
// every fourth pass and keeps the inspector on the current layer. It starts
// when the document says something plays and stops itself when nothing does.
class TPlayDriver : public QObject {
    Q_OBJECT
public:
    explicit TPlayDriver(TEditorDocument& document, QObject* parent = nullptr);

    void Start();
    void Stop();
    // One pass of the loop; true while it must keep running.
    bool Pass();
    bool Running() const { return timer_.isActive(); }
    // Passes run since the driver was made.
    uint64_t PassesRun() const { return passesRun_; }

signals:
    // The canvas should draw a frame now.
    void FrameDue();

private:
    TEditorDocument& document_;
    QTimer timer_;
    int passes_ = 0;
    uint64_t passesRun_ = 0;
    TImagesItem* lastCurrentLayer_ = nullptr;
};

} // namespace velkon
