#include "panels/animation/favouriterowsmodel.h"

#include "edit/favourites.h"

namespace velkon {

void TFavouriteRowsModel::SetRows(const std::vector<TFavouriteRow>* rows) {
    beginResetModel();
    rows_ = rows;
    endResetModel();
}

void TFavouriteRowsModel::Refresh() {
    beginResetModel();
    endResetModel();
}

int TFavouriteRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !rows_ ? 0 : static_cast<int>(rows_->size());
}

int TFavouriteRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant TFavouriteRowsModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !rows_ || index.row() < 0 || index.row() >= rowCount()) return {};
    const TFavouriteRow& row = (*rows_)[index.row()];
    return index.column() == 0 ? row.Name() : row.Text();
}

QVariant TFavouriteRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return section == 0 ? tr("Command") : tr("Parameters");
}

} // namespace velkon
