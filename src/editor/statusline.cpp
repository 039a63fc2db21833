#include "editor/statusline.h"

#include "editor/statusnotice.h"

#include <QHBoxLayout>
#include <QLabel>

namespace velkon {

TStatusLine::TStatusLine(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Panel2"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 0, 4, 0);
    InfoLabel = new QLabel(this);
    InfoLabel->setObjectName(QStringLiteral("InfoLabel"));
    // Where the next Ctrl+S writes: after a pack that is the pack's folder.
    ProjectLabel = new QLabel(this);
    ProjectLabel->setObjectName(QStringLiteral("ProjectLabel"));
    ProjectLabel->setToolTip(tr("A projekt helye (ide ment a Ctrl+S)"));
    FPSLabel = new QLabel(QStringLiteral("FPS = 0"), this);
    FPSLabel->setObjectName(QStringLiteral("FPSLabel"));
    row->addWidget(InfoLabel, 1);
    row->addWidget(ProjectLabel);
    row->addWidget(FPSLabel);
}

void TStatusLine::ShowNotices(const TErrorLog& log, TErrorForm& logPanel) {
    StatusNotice = new TStatusNotice(log, logPanel, this);
    static_cast<QHBoxLayout*>(layout())->insertWidget(1, StatusNotice->NoticeLabel);
}

void TStatusLine::ShowInfo(const QString& text, bool red) {
    if (!text.isEmpty()) InfoLabel->setText(text);
    InfoLabel->setStyleSheet(red ? QStringLiteral("background-color: #FF0000;") : QString());
}

void TStatusLine::ShowText(const QString& text) {
    InfoLabel->setText(text);
}

void TStatusLine::ShowFps(int fps) {
    FPSLabel->setText(QStringLiteral("FPS = %1").arg(fps));
}

void TStatusLine::ShowProjectPlace(const QString& place) {
    ProjectLabel->setText(place);
}

} // namespace velkon
