#pragma once

#include "edit/layerlist.h"

#include <QAbstractTableModel>
#include <QHash>
#include <vector>

namespace velkon {

class TScene;

// The "Images" list as a table over the rows RefreshList computes: texts from
// the core, the state icon (folder, ticked or empty box) in the caption and
// the row colours. The Status cell is drawn by TLayerListDelegate.
class TLayerListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Data roles beyond Qt's: whether a row is a group row, and a row's group.
    enum { GroupRole = Qt::UserRole + 1, GroupIndexRole };

    explicit TLayerListModel(TScene& scene, QObject* parent = nullptr);

    // Rebuilds the rows (RefreshList) and resets the model.
    void Refresh();
    // Forgets every row (after the scene was emptied).
    void Clear();

    const std::vector<TLayerRow>& Rows() const { return rows_; }
    const TLayerRow& Row(int row) const { return rows_.at(static_cast<size_t>(row)); }
    // The row of a layer, or -1.
    int RowOf(const TImagesItem* layer) const { return rowOf_.value(layer, -1); }
    // The row of a group, or -1.
    int RowOfGroup(int group) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    TScene& scene_;
    std::vector<TLayerRow> rows_;
    QHash<const TImagesItem*, int> rowOf_;
};

} // namespace velkon
