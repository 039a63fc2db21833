#include "panels/animation/keyframegridmodel.h"

#include <algorithm>

namespace velkon {

void TKeyframeGridModel::SetColumns(int count) {
    count = std::max(1, count);
    if (count == columns_) return;
    if (count > columns_) {
        beginInsertColumns({}, columns_, count - 1);
        columns_ = count;
        endInsertColumns();
    } else {
        beginRemoveColumns({}, count, columns_ - 1);
        columns_ = count;
        endRemoveColumns();
    }
}

int TKeyframeGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}

int TKeyframeGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant TKeyframeGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return QString::number(index.column());
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    return {};
}

} // namespace velkon
