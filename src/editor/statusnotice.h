#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>

class QLabel;
class QWidget;

namespace velkon {

class TErrorForm;
class TErrorLog;

// Brings the log's notices to the user's eye: the newest notice shows in the
// status line for a few seconds, and the log panel's tab says how many
// notices came since the user last had the log in view.
class TStatusNotice : public QObject {
    Q_OBJECT
public:
    // The label goes into the status line; its parent is statusParent.
    TStatusNotice(const TErrorLog& log, TErrorForm& logPanel, QWidget* statusParent);

    // The status line's notice; hidden while it has nothing to say.
    QLabel* NoticeLabel;
    // How long a notice stays in the status line.
    int ShowMs = 6000;

    // Notices that came while the log was out of view.
    int Unseen() const { return unseen_; }
    // The log panel's caption: its own, with the unseen count while there is one.
    static QString LogCaption(int unseen);

private:
    const TErrorLog& log_;
    TErrorForm& logPanel_;
    uint64_t notices_ = 0; // the log's notice count last looked at
    int unseen_ = 0;
    QTimer hide_;

    void LogChanged();
    bool LogInView() const;
    void SetUnseen(int unseen);
};

} // namespace velkon
