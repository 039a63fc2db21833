#pragma once

#include <QWidget>

class QSlider;
class QSpinBox;
class QToolButton;

namespace velkon {

class TEditorDocument;

// The time scrubber beside the play buttons: a slider (`ScrubTrackBar`) and
// a field in ms (`ScrubTimeEdit`) over the first 10 s of a full playback from
// the start (TEditorDocument::ScrubRange; a time past the automatic stop
// shows the edited state, as the editor does after playback stops), and a
// button back to the edited state (`ScrubEndButton`). The scene follows
// the slider while it is dragged. 0, the button, Esc, play and every edit
// leave scrubbing; all of it goes through the document, which tells every
// panel. While scrubbing, a press of a mouse button or a key anywhere else
// in the program ends it before the press does anything else, so that no
// edit ever lands on a scrubbed moment (a window that sets the property
// "keepsScrub", like the preview export's, is left alone).
//
// Also holds the tool bar's `PreviewSpeedButton` ("Előnézet"), which runs
// the registered preview export.
class TTimeScrubber : public QWidget {
    Q_OBJECT
public:
    TTimeScrubber(TEditorDocument& document, QWidget* parent = nullptr);
    ~TTimeScrubber() override;

    QSlider* ScrubTrackBar;
    QSpinBox* ScrubTimeEdit;
    QToolButton* ScrubEndButton;
    QToolButton* PreviewSpeedButton;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TEditorDocument& document_;
    bool filtering_ = false;

    // Slider, field and tool tip follow the document.
    void ShowState();
    void ScrubTo(int ms);
};

} // namespace velkon
