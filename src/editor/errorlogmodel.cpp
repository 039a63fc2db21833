#include "editor/errorlogmodel.h"

#include "model/errorlog.h"

#include <QMetaObject>
#include <algorithm>

namespace velkon {

TErrorLogModel::TErrorLogModel(const TErrorLog& log, const QFontMetrics& metrics, QObject* parent)
    : QAbstractListModel(parent), log_(log), shown_(log.Count()), seenAdded_(log.Added()),
      seenClears_(log.Clears()), metrics_(metrics) {
    Measure(0, shown_);
}

void TErrorLogModel::Measure(int fromLine, int toLine) {
    // Measuring text is slow: only a line longer than any before is measured,
    // with room for a few wide letters more.
    for (int i = fromLine; i < toLine; ++i) {
        const QString& line = log_.Lines().at(i);
        if (line.size() <= longest_) continue;
        longest_ = line.size();
        widest_ = std::max(widest_, metrics_.horizontalAdvance(line) + 4 * metrics_.averageCharWidth());
    }
}

int TErrorLogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_;
}

QVariant TErrorLogModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= shown_) return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    // Lines the rows have not caught up with sit above the shown ones.
    const int line = index.row() + (log_.Count() - shown_);
    if (line < 0 || line >= log_.Count()) return {};
    return log_.Lines().at(line);
}

void TErrorLogModel::LogChanged() {
    if (pending_) return;
    pending_ = true;
    QMetaObject::invokeMethod(this, &TErrorLogModel::Catch, Qt::QueuedConnection);
}

void TErrorLogModel::Catch() {
    pending_ = false;
    const uint64_t added = log_.Added() - seenAdded_;
    if (log_.Clears() != seenClears_ || shown_ + static_cast<int64_t>(added) != log_.Count()) {
        beginResetModel();
        shown_ = log_.Count();
        widest_ = 0;
        longest_ = 0;
        Measure(0, shown_);
        endResetModel();
    } else if (added > 0) {
        Measure(0, static_cast<int>(added));
        beginInsertRows({}, 0, static_cast<int>(added) - 1);
        shown_ = log_.Count();
        endInsertRows();
    }
    seenAdded_ = log_.Added();
    seenClears_ = log_.Clears();
}

} // namespace velkon
