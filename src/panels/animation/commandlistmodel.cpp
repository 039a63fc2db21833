#include "panels/animation/commandlistmodel.h"

#include <QBrush>
#include <QFont>
#include <QMimeData>

namespace velkon {

namespace {
// Only rows of these lists are dropped here; what they carry is the selection, not the data.
const QString RowsMime = QStringLiteral("application/x-velkon-command-rows");
} // namespace

TCommandListModel::TCommandListModel(QObject* parent) : QAbstractTableModel(parent) {}

void TCommandListModel::SetRows(std::vector<TCommandRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void TCommandListModel::SetMarkedRow(int row) {
    if (row == marked_) return;
    const int old = marked_;
    marked_ = row;
    for (int r : {old, row})
        if (r >= 0 && r < rowCount()) emit dataChanged(index(r, 0), index(r, 1));
}

int TCommandListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TCommandListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant TCommandListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const TCommandRow& row = rows_[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == 0 ? row.Caption : row.Parameters;
    case Qt::ForegroundRole:
        if (index.row() == marked_) return QBrush(Qt::red);
        return {};
    case Qt::FontRole:
        if (index.row() == marked_) {
            QFont f(QStringLiteral("Courier New"), 8);
            f.setStyleHint(QFont::TypeWriter);
            f.setBold(true);
            return f;
        }
        return {};
    default:
        return {};
    }
}

QVariant TCommandListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return section == 0 ? tr("Command") : tr("Parameters");
    return {};
}

Qt::ItemFlags TCommandListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

QStringList TCommandListModel::mimeTypes() const {
    return {RowsMime};
}

QMimeData* TCommandListModel::mimeData(const QModelIndexList& indexes) const {
    auto* data = new QMimeData;
    data->setData(RowsMime, QByteArray::number(indexes.isEmpty() ? -1 : indexes.first().row()));
    return data;
}

Qt::DropActions TCommandListModel::supportedDropActions() const {
    // A copy action: the view must not remove the dragged rows itself.
    return Qt::CopyAction;
}

bool TCommandListModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int,
                                        const QModelIndex&) const {
    return data && data->hasFormat(RowsMime);
}

bool TCommandListModel::dropMimeData(const QMimeData* data, Qt::DropAction, int, int,
                                     const QModelIndex& parent) {
    if (!data || !data->hasFormat(RowsMime)) return false;
    // Dropped on a row, or past the rows (row -1 then): only a drop on a row moves.
    const int target = parent.isValid() ? parent.row() : -1;
    if (Dropped) Dropped(target);
    return false;
}

} // namespace velkon
