#pragma once

#include <QAbstractTableModel>
#include <vector>

namespace velkon {

struct TFavouriteRow;

// The two columns "Command" and "Parameters" over one side of the favourites
// dialog; the rows belong to the dialog's model.
class TFavouriteRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TFavouriteRowsModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Shows rows (nullptr: none); call Refresh after they changed.
    void SetRows(const std::vector<TFavouriteRow>* rows);
    void Refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const std::vector<TFavouriteRow>* rows_ = nullptr;
};

} // namespace velkon
