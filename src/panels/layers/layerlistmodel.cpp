#include "panels/layers/layerlistmodel.h"

#include "model/scene.h"
#include "panels/layers/layericons.h"

#include <QApplication>
#include <QColor>
#include <QPalette>

namespace velkon {

TLayerListModel::TLayerListModel(TScene& scene, QObject* parent)
    : QAbstractTableModel(parent), scene_(scene) {}

void TLayerListModel::Refresh() {
    beginResetModel();
    rows_ = RefreshList(scene_);
    rowOf_.clear();
    rowOf_.reserve(static_cast<qsizetype>(rows_.size()));
    for (size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].Layer) rowOf_.insert(rows_[i].Layer, static_cast<int>(i));
    endResetModel();
}

void TLayerListModel::Clear() {
    beginResetModel();
    rows_.clear();
    rowOf_.clear();
    endResetModel();
}

int TLayerListModel::RowOfGroup(int group) const {
    for (size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].IsGroup() && rows_[i].Group == group) return static_cast<int>(i);
    return -1;
}

int TLayerListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TLayerListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : LayerColumnCount;
}

QVariant TLayerListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) return {};
    const TLayerRow& row = rows_[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        // The Status cell is painted whole by the delegate.
        return index.column() == colStatus ? QVariant() : QVariant(LayerRowText(scene_, row, index.column()));
    case Qt::DecorationRole:
        if (index.column() != colName) return {};
        return LayerIcon(row.IsGroup() ? 0 : row.Layer->Visible ? 11 : 12);
    case Qt::BackgroundRole: {
        const QPalette palette = QApplication::palette();
        if (row.IsGroup()) return palette.toolTipBase();
        if (index.column() != colName) return QColor(Qt::white);
        if (row.Layer->Group != 0 && row.Layer->Group <= scene_.Groups.size()) return QColor(235, 255, 215);
        return palette.base();
    }
    case Qt::ForegroundRole:
        return row.IsGroup() ? QApplication::palette().toolTipText() : QVariant();
    case GroupRole:
        return row.IsGroup();
    case GroupIndexRole:
        return row.Group;
    default:
        return {};
    }
}

QVariant TLayerListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const names[] = {QT_TR_NOOP("Name"),           QT_TR_NOOP("Status"),
                                        QT_TR_NOOP("Image filename"), QT_TR_NOOP("Width"),
                                        QT_TR_NOOP("Height"),         QT_TR_NOOP("Animation's usage")};
    return section >= 0 && section < LayerColumnCount ? tr(names[section]) : QVariant();
}

Qt::ItemFlags TLayerListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

} // namespace velkon
