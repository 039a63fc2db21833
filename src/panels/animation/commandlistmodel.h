#pragma once

#include "edit/commandlist.h"

#include <QAbstractTableModel>
#include <functional>
#include <vector>

namespace velkon {

// The rows of one command list ("Command", "Parameters") as the core
// computed them; one row can be marked (red and bold) as the keyframe being
// edited. Rows dragged within the lists are dropped on a row through Dropped.
class TCommandListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TCommandListModel(QObject* parent = nullptr);

    void SetRows(std::vector<TCommandRow> rows);
    const std::vector<TCommandRow>& Rows() const { return rows_; }
    // Row drawn red and bold; -1 for none.
    void SetMarkedRow(int row);
    int MarkedRow() const { return marked_; }

    // Called with the row a drag was dropped on.
    std::function<void(int row)> Dropped;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDropActions() const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

private:
    std::vector<TCommandRow> rows_;
    int marked_ = -1;
};

} // namespace velkon
