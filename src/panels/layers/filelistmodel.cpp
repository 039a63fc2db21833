#include "panels/layers/filelistmodel.h"

#include "model/scene.h"
#include "project/resourcesbeside.h"

#include <QBrush>

namespace velkon {

TFileListModel::TFileListModel(TScene& scene, QObject* parent) : QAbstractTableModel(parent), scene_(scene) {}

void TFileListModel::Refresh() {
    beginResetModel();
    rows_ = RefreshFileList(scene_);
    away_.clear();
    for (const TFileRow& row : rows_)
        away_.push_back(row.File >= 0 && row.File < scene_.Files.Count() &&
                        !ResourceBesideProject(scene_, *scene_.Files.At(row.File)));
    endResetModel();
}

void TFileListModel::Clear() {
    beginResetModel();
    rows_.clear();
    away_.clear();
    endResetModel();
}

bool TFileListModel::Away(int row) const {
    return row >= 0 && row < static_cast<int>(away_.size()) && away_[static_cast<size_t>(row)];
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
    if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) return {};
    if (role == Qt::DisplayRole)
        return FileRowText(scene_, rows_[static_cast<size_t>(index.row())], index.column());
    if (!Away(index.row())) return {};
    if (role == Qt::BackgroundRole) return QBrush(AwayColour());
    if (role == Qt::ForegroundRole) return QBrush(Qt::black);
    if (role == Qt::ToolTipRole)
        return tr("Nincs a projekt mappájában: a következő mentés a projekt mellé másolja.");
    return {};
}

QVariant TFileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const names[] = {QT_TR_NOOP("Name"), QT_TR_NOOP("Filename"),
                                        QT_TR_NOOP("Image's usage"), QT_TR_NOOP("Animation's usage")};
    return section >= 0 && section < 4 ? tr(names[section]) : QVariant();
}

} // namespace velkon
