#include "editor/statusnotice.h"

#include "editor/errorform.h"
#include "model/errorlog.h"

#include <QLabel>

namespace velkon {

namespace {
constexpr int kWidestNotice = 700; // pixels; the whole line is in the hint and the log
}

TStatusNotice::TStatusNotice(const TErrorLog& log, TErrorForm& logPanel, QWidget* statusParent)
    : QObject(statusParent), log_(log), logPanel_(logPanel), notices_(log.Notices()) {
    NoticeLabel = new QLabel(statusParent);
    NoticeLabel->setObjectName(QStringLiteral("NoticeLabel"));
    NoticeLabel->setStyleSheet(
        QStringLiteral("QLabel { background-color: #FFF2A8; color: black; padding: 0 6px; }"));
    NoticeLabel->hide();
    hide_.setSingleShot(true);
    connect(&hide_, &QTimer::timeout, NoticeLabel, &QLabel::hide);
    connect(&logPanel_, &TErrorForm::LogChanged, this, [this] { LogChanged(); });
    // Whatever the log holds is seen once its panel comes into view.
    connect(&logPanel_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible) SetUnseen(0);
    });
}

QString TStatusNotice::LogCaption(int unseen) {
    const QString caption = tr("Hiba napló");
    // In front: a narrow tab elides the end of its caption.
    return unseen > 0 ? QStringLiteral("(%1) ").arg(unseen) + caption : caption;
}

bool TStatusNotice::LogInView() const {
    return logPanel_.isVisible() && !logPanel_.visibleRegion().isEmpty();
}

void TStatusNotice::LogChanged() {
    const uint64_t now = log_.Notices();
    if (now == notices_) return;
    const uint64_t added = now - notices_;
    notices_ = now;
    const QString line = log_.LastNotice();
    NoticeLabel->setText(NoticeLabel->fontMetrics().elidedText(line, Qt::ElideMiddle, kWidestNotice));
    NoticeLabel->setToolTip(line);
    NoticeLabel->show();
    hide_.start(ShowMs);
    SetUnseen(LogInView() ? 0 : unseen_ + static_cast<int>(std::min<uint64_t>(added, 1000000)));
}

void TStatusNotice::SetUnseen(int unseen) {
    unseen_ = unseen;
    const QString caption = LogCaption(unseen_);
    if (logPanel_.windowTitle() != caption) logPanel_.setWindowTitle(caption);
}

} // namespace velkon
