#pragma once

#include <QDialog>
#include <QImage>
#include <QList>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimer;

namespace velkon {

class TEditorDocument;
class TFrameSink;

// "Előnézet": renders the playback from the editor as PNG frames or one
// animated WebP (from, to, fps, format, output folder). Frame k shows the
// moment From + k*1000/fps of a full playback from the start, as the time
// scrubber shows it, drawn by the editor's own canvas (read back without the
// editing marks); without an end ("leállásig") the frames go on until the
// scene stops by itself, at most 10 s, as `velkon render` does.
//
// The frames are made one per turn of the event loop (a zero timer), so the
// window stays responsive and Cancel is seen between two frames; the canvas
// and the scene belong to the UI thread, so a worker could not draw them.
// Cancel (or closing the window) mid-run removes everything the run wrote.
// The written path goes into the error log as a line, and the dialog says it too.
class TPreviewForm : public QDialog {
    Q_OBJECT
public:
    using TReadFrame = std::function<QImage()>;
    TPreviewForm(TEditorDocument& document, TReadFrame readFrame, QWidget* parent = nullptr);
    ~TPreviewForm() override;

    // Opens the dialog over parent (window-modal, deletes itself on close).
    static TPreviewForm* Open(TEditorDocument& document, TReadFrame readFrame, QWidget* parent);

    QSpinBox *FromEdit, *ToEdit, *FpsEdit;
    QComboBox* FormatComboBox;
    QLineEdit* OutputEdit;
    QProgressBar* ProgressBar;
    QLabel* StatusLabel;
    QPushButton *OkBitBtn, *CancelBitBtn;

    bool Rendering() const { return sink_ != nullptr; }
    // What the last run wrote (empty after a cancel or a failure).
    QStringList Written;

    // Cancel: stops a run (nothing of it stays), otherwise closes.
    void reject() override;

signals:
    // A run ended: written, cancelled or failed.
    void Finished(bool written);

private:
    TEditorDocument& document_;
    TReadFrame readFrame_;
    std::unique_ptr<TFrameSink> sink_;
    QTimer* timer_;
    int frame_ = 0;
    int total_ = 0;

    void Start();
    void Step();
    void Stop(bool written, const QString& message);
};

} // namespace velkon
