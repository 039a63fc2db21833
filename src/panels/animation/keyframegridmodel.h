#pragma once

#include <QAbstractTableModel>

namespace velkon {

// The one row of the keyframe and timeline grids: column c shows "c"
// (column 0 is the start state, column c keyframe c - 1).
class TKeyframeGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Sets the column count (at least 1); the views keep their selection when it still fits.
    void SetColumns(int count);
    int Columns() const { return columns_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    int columns_ = 1;
};

} // namespace velkon
