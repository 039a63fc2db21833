#include "editor/timescrubber.h"

#include "editor/editordocument.h"
#include "editor/uihelpers.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

namespace velkon {

TTimeScrubber::TTimeScrubber(TEditorDocument& document, QWidget* parent) : QWidget(parent), document_(document) {
    setObjectName(QStringLiteral("TimeScrubber"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    ScrubTrackBar = new QSlider(Qt::Horizontal, this);
    ScrubTrackBar->setObjectName(QStringLiteral("ScrubTrackBar"));
    ScrubTrackBar->setRange(0, TEditorDocument::ScrubRange);
    ScrubTrackBar->setSingleStep(10);
    ScrubTrackBar->setPageStep(100);
    ScrubTrackBar->setMinimumWidth(160);
    ScrubTrackBar->setMaximumWidth(240);
    ScrubTrackBar->setTracking(true);
    ScrubTimeEdit = new QSpinBox(this);
    ScrubTimeEdit->setObjectName(QStringLiteral("ScrubTimeEdit"));
    ScrubTimeEdit->setRange(0, TEditorDocument::ScrubRange);
    ScrubTimeEdit->setSingleStep(10);
    ScrubTimeEdit->setSuffix(QStringLiteral(" ms"));
    ScrubTimeEdit->setKeyboardTracking(false);
    ScrubTimeEdit->setToolTip(tr("A lejátszás pillanata (ms)"));
    ScrubEndButton = ToolButton(this, "ScrubEndButton", QStringLiteral("✕"),
                                tr("Vissza a szerkesztett állapothoz [Esc]"));
    PreviewSpeedButton = ToolButton(this, "PreviewSpeedButton", tr("Előnézet"),
                                    tr("Képkockák vagy animált WebP készítése"));
    layout->addWidget(ScrubTrackBar);
    layout->addWidget(ScrubTimeEdit);
    layout->addWidget(ScrubEndButton);
    layout->addWidget(PreviewSpeedButton);

    On(ScrubTrackBar, &QSlider::valueChanged, this, [this] { ScrubTo(ScrubTrackBar->value()); });
    On(ScrubTimeEdit, &QSpinBox::valueChanged, this, [this] { ScrubTo(ScrubTimeEdit->value()); });
    On(ScrubEndButton, &QToolButton::clicked, this, [this] { document_.EndScrub(); });
    connect(PreviewSpeedButton, &QToolButton::clicked, this,
            [this] { document_.Registry.Trigger(QStringLiteral("export.preview")); });
    connect(&document_, &TEditorDocument::ScrubChanged, this, [this] { ShowState(); });
    connect(&document_, &TEditorDocument::EnabledStateChanged, this, [this] { ShowState(); });
    ShowState();
}

TTimeScrubber::~TTimeScrubber() {
    if (filtering_) qApp->removeEventFilter(this);
}

void TTimeScrubber::ScrubTo(int ms) {
    if (ms == (document_.Scrubbing() ? document_.ScrubTime() : 0)) return;
    document_.ScrubTo(ms);
    ShowState();
}

void TTimeScrubber::ShowState() {
    const bool scrubbing = document_.Scrubbing();
    const int ms = scrubbing ? document_.ScrubTime() : 0;
    {
        const QSignalBlocker slider(ScrubTrackBar);
        const QSignalBlocker field(ScrubTimeEdit);
        if (ScrubTrackBar->value() != ms && !ScrubTrackBar->isSliderDown()) ScrubTrackBar->setValue(ms);
        if (ScrubTimeEdit->value() != ms) ScrubTimeEdit->setValue(ms);
    }
    ScrubEndButton->setEnabled(scrubbing);
    const int32_t stop = document_.ScrubStopTime();
    ScrubTrackBar->setToolTip(stop >= 0 ? tr("Idő (ms); a lejátszás %1 ms-nál áll le").arg(stop)
                                        : tr("Idő (ms): a jelenet a lejátszás ezen pillanatában"));
    // Presses elsewhere end scrubbing first: watched only while scrubbing.
    if (scrubbing != filtering_) {
        filtering_ = scrubbing;
        if (scrubbing)
            qApp->installEventFilter(this);
        else
            qApp->removeEventFilter(this);
    }
}

bool TTimeScrubber::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
                       type == QEvent::TouchBegin || type == QEvent::Drop;
    const bool key = type == QEvent::KeyPress || type == QEvent::ShortcutOverride;
    if ((!press && !key) || !document_.Scrubbing() || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    // A key the field passed on (the time field hands Return to its parents
    // after taking the typed time) is still the field's key.
    if (QWidget* focus = QApplication::focusWidget(); key && focus && widget->isAncestorOf(focus)) widget = focus;
    // The scrubber's own controls keep it; its preview button does not.
    const auto in = [widget](const QWidget* w) { return widget == w || w->isAncestorOf(widget); };
    const bool own = in(ScrubTrackBar) || in(ScrubTimeEdit) || in(ScrubEndButton);
    const QWidget* window = widget->window();
    if (window && window->property("keepsScrub").toBool()) return false;
    if (key) {
        const auto* k = static_cast<QKeyEvent*>(event);
        if (k->key() == Qt::Key_Escape) {
            if (type == QEvent::KeyPress)
                TVelkonApplication::Guard(this, [this] { document_.EndScrub(); });
            else
                event->accept(); // Esc comes as a key press, to here
            return true;
        }
        if (own || type != QEvent::KeyPress) return false;
        switch (k->key()) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_Meta:
        case Qt::Key_AltGr: return false;
        default: break;
        }
    } else if (own) {
        return false;
    }
    TVelkonApplication::Guard(this, [this] { document_.EndScrub(); });
    return false;
}

} // namespace velkon
