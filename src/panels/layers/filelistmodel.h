#pragma once

#include "edit/layerlist.h"

#include <QAbstractTableModel>
#include <vector>

namespace velkon {

class TScene;

// The "Files" list: one row per resource file, in Files order.
class TFileListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TFileListModel(TScene& scene, QObject* parent = nullptr);

    void Refresh();
    void Clear();
    int FileOf(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    TScene& scene_;
    std::vector<TFileRow> rows_;
};

} // namespace velkon
