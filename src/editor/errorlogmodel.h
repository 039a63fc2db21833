#pragma once

#include <QAbstractListModel>
#include <QFontMetrics>
#include <cstdint>

namespace velkon {

class TErrorLog;

// The rows of the error log for a list view, newest first. A new line costs
// the log a prepend and this model a flag: the rows catch up once per pass of
// the event loop, as one insertion at the top however many lines came.
class TErrorLogModel : public QAbstractListModel {
    Q_OBJECT
public:
    // metrics: the view's font, to measure the widest line.
    TErrorLogModel(const TErrorLog& log, const QFontMetrics& metrics, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The log changed: the rows follow on the next pass of the event loop.
    void LogChanged();
    // Brings the rows up to the log now.
    void Catch();
    // Pixels of the widest line shown, with a margin.
    int Widest() const { return widest_; }

private:
    const TErrorLog& log_;
    int shown_ = 0;          // rows the view knows of
    uint64_t seenAdded_ = 0; // the log's Added() and Clears() when the rows were last brought up
    uint64_t seenClears_ = 0;
    bool pending_ = false;
    QFontMetrics metrics_;
    int widest_ = 0;        // pixels of the widest line shown
    qsizetype longest_ = 0; // letters of the longest line measured

    void Measure(int fromLine, int toLine);
};

} // namespace velkon
