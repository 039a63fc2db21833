#include "panels/layers/filelistmodel.h"

namespace velkon {

TFileListModel::TFileListModel(TScene& scene, QObject* parent) : QAbstractTableModel(parent), scene_(scene) {}

void TFileListModel::Refresh() {
    beginResetModel();
    rows_ = RefreshFileList(scene_);
    endResetModel();
}

void TFileListModel::Clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

int TFileListModel::FileOf(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<size_t>(row)].File : -1;
}

int TFileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TFileListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 4;
}

QVariant TFileListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= static_cast<int>(rows_.size()))
        return {};
    return FileRowText(scene_, rows_[static_cast<size_t>(index.row())], index.column());
}

QVariant TFileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const names[] = {"Name", "Filename", "Image's usage", "Animation's usage"};
    return section >= 0 && section < 4 ? QString::fromLatin1(names[section]) : QVariant();
}

} // namespace velkon
