#include "editor/previewform.h"

#include "editor/editordocument.h"
#include "editor/uihelpers.h"
#include "model/velkonerror.h"
#include "render/framewriter.h"
#include "render/renderjob.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace velkon {

namespace {

int32_t FrameTime(int32_t from, int k, int fps) {
    return from + static_cast<int32_t>(std::nearbyint(static_cast<double>(k) * 1000.0 / fps));
}

} // namespace

TPreviewForm::TPreviewForm(TEditorDocument& document, TReadFrame readFrame, QWidget* parent)
    : QDialog(parent), document_(document), readFrame_(std::move(readFrame)), timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("TPreviewForm"));
    setWindowTitle(tr("Előnézet"));
    // Its presses must not end the scrubbing its frames are made with.
    setProperty("keepsScrub", true);
    FromEdit = new QSpinBox(this);
    FromEdit->setObjectName(QStringLiteral("FromEdit"));
    FromEdit->setRange(0, 3600000);
    FromEdit->setSuffix(QStringLiteral(" ms"));
    ToEdit = new QSpinBox(this);
    ToEdit->setObjectName(QStringLiteral("ToEdit"));
    ToEdit->setRange(-1, 3600000);
    ToEdit->setValue(-1);
    ToEdit->setSuffix(QStringLiteral(" ms"));
    ToEdit->setSpecialValueText(tr("leállásig (legfeljebb 10 s)"));
    FpsEdit = new QSpinBox(this);
    FpsEdit->setObjectName(QStringLiteral("FpsEdit"));
    FpsEdit->setRange(1, 1000);
    FpsEdit->setValue(30);
    FormatComboBox = new QComboBox(this);
    FormatComboBox->setObjectName(QStringLiteral("FormatComboBox"));
    FormatComboBox->addItem(tr("PNG képkockák"));
    FormatComboBox->addItem(tr("Animált WebP"));
    OutputEdit = new QLineEdit(this);
    OutputEdit->setObjectName(QStringLiteral("OutputEdit"));
    const TScene& scene = document_.Scene;
    const QString base = QFileInfo(scene.ProjectFileName).completeBaseName();
    const QString folder = scene.ProjectDir.isEmpty() ? QDir::homePath() : scene.ProjectDir;
    OutputEdit->setText(QDir(folder).filePath((base.isEmpty() ? QStringLiteral("render") : base) +
                                              QStringLiteral("_elonezet")));
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setRange(0, 1);
    ProgressBar->setValue(0);
    StatusLabel = new QLabel(this);
    StatusLabel->setObjectName(QStringLiteral("StatusLabel"));
    StatusLabel->setWordWrap(true);
    StatusLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    OkBitBtn = new QPushButton(tr("Ok"), this);
    OkBitBtn->setObjectName(QStringLiteral("OkBitBtn"));
    OkBitBtn->setDefault(true);
    CancelBitBtn = new QPushButton(tr("Mégse"), this);
    CancelBitBtn->setObjectName(QStringLiteral("CancelBitBtn"));

    auto* form = new QFormLayout;
    form->addRow(tr("Kezdet:"), FromEdit);
    form->addRow(tr("Vége:"), ToEdit);
    form->addRow(tr("Képkocka/s:"), FpsEdit);
    form->addRow(tr("Formátum:"), FormatComboBox);
    form->addRow(tr("Mappa:"), OutputEdit);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkBitBtn);
    buttons->addWidget(CancelBitBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(ProgressBar);
    layout->addWidget(StatusLabel);
    layout->addLayout(buttons);
    setMinimumWidth(460);

    timer_->setInterval(0);
    timer_->setSingleShot(true);
    On(timer_, &QTimer::timeout, this, [this] { Step(); });
    On(OkBitBtn, &QPushButton::clicked, this, [this] { Start(); });
    connect(CancelBitBtn, &QPushButton::clicked, this, &TPreviewForm::reject);
}

TPreviewForm::~TPreviewForm() {
    if (sink_) {
        sink_->Cancel();
        sink_.reset();
        document_.EndScrub();
    }
}

TPreviewForm* TPreviewForm::Open(TEditorDocument& document, TReadFrame readFrame, QWidget* parent) {
    auto* form = new TPreviewForm(document, std::move(readFrame), parent);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setWindowModality(Qt::WindowModal);
    form->show();
    return form;
}

void TPreviewForm::reject() {
    if (sink_) {
        Stop(false, tr("Megszakítva: nem maradt fájl."));
        return;
    }
    QDialog::reject();
}

void TPreviewForm::Start() {
    if (sink_) return;
    const int32_t from = FromEdit->value(), to = ToEdit->value();
    if (to >= 0 && to < from) {
        StatusLabel->setText(tr("A vége a kezdet előtt van."));
        return;
    }
    const QString out = OutputEdit->text().trimmed();
    if (out.isEmpty()) {
        StatusLabel->setText(tr("Adjon meg egy mappát."));
        return;
    }
    const int fps = FpsEdit->value();
    TFrameSinkOptions options;
    options.Format = FormatComboBox->currentIndex() == 1 ? TFrameFormat::Webp : TFrameFormat::Png;
    options.OutDir = out;
    options.Name = QFileInfo(document_.Scene.ProjectFileName).completeBaseName();
    options.Fps = fps;
    // The scene plays from the edited state, not from a pose, a playback or another moment.
    document_.EndScrub();
    if (document_.Playing()) document_.PlayStopToggle(false);
    if (document_.KeyframeEditing()) document_.EndKeyframeEditing();
    sink_ = TFrameSink::Create(options);
    Written.clear();
    frame_ = 0;
    const int32_t end = to >= 0 ? to : std::max(from, TRenderJobOptions::MaxDefaultTo);
    total_ = static_cast<int>((static_cast<int64_t>(end - from) * fps) / 1000) + 1;
    ProgressBar->setRange(0, total_);
    ProgressBar->setValue(0);
    StatusLabel->setText(tr("Készül..."));
    for (QWidget* w : std::initializer_list<QWidget*>{FromEdit, ToEdit, FpsEdit, FormatComboBox, OutputEdit, OkBitBtn})
        w->setEnabled(false);
    timer_->start();
}

void TPreviewForm::Step() {
    if (!sink_) return;
    const int32_t from = FromEdit->value(), to = ToEdit->value();
    const bool untilStop = to < 0;
    const int32_t end = untilStop ? std::max(from, TRenderJobOptions::MaxDefaultTo) : to;
    const int32_t time = FrameTime(from, frame_, FpsEdit->value());
    bool last = false;
    if (time > end) {
        last = true;
    } else {
        document_.ShowMoment(time);
        // Without an end the frames stop with the scene: the frame at the stop
        // is the last, and a frame past it is not drawn.
        const int32_t stop = document_.ScrubStopTime();
        const bool stopped = untilStop && stop >= 0;
        if (stopped && time > stop && frame_ > 0) {
            last = true;
        } else {
            const QImage frame = readFrame_().convertToFormat(QImage::Format_RGBA8888);
            QString error;
            if (frame.isNull()) {
                Stop(false, tr("A képkocka nem olvasható vissza a vászonról."));
                return;
            }
            if (!sink_->Add(frame.constBits(), frame.width(), frame.height(), &error)) {
                Stop(false, tr("Hiba: %1").arg(error));
                return;
            }
            ++frame_;
            ProgressBar->setValue(std::min(frame_, total_));
            last = stopped;
        }
    }
    if (!last) {
        timer_->start();
        return;
    }
    QString error;
    if (!sink_->Finish(&error)) {
        Stop(false, tr("Hiba: %1").arg(error));
        return;
    }
    Written = sink_->Paths();
    const QString where = Written.size() == 1 ? Written.first() : OutputEdit->text().trimmed();
    const QString line = tr("Előnézet kész: %1 képkocka, %2").arg(frame_).arg(QDir::toNativeSeparators(where));
    document_.Log.Add(line);
    ProgressBar->setValue(total_);
    Stop(true, line);
}

void TPreviewForm::Stop(bool written, const QString& message) {
    timer_->stop();
    if (sink_ && !written) sink_->Cancel();
    sink_.reset();
    if (!written) Written.clear();
    document_.EndScrub();
    if (!written) ProgressBar->setValue(0);
    StatusLabel->setText(message);
    for (QWidget* w : std::initializer_list<QWidget*>{FromEdit, ToEdit, FpsEdit, FormatComboBox, OutputEdit, OkBitBtn})
        w->setEnabled(true);
    emit Finished(written);
}

} // namespace velkon
