#pragma once

#include "edit/layerlist.h"

#include <QAbstractTableModel>
#include <QColor>
#include <vector>

namespace velkon {

class TScene;

// The "Files" list: one row per resource file, in Files order. Files that are
// not beside the project yet are tinted and say so in their hint.
class TFileListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TFileListModel(TScene& scene, QObject* parent = nullptr);

    void Refresh();
    void Clear();
    int FileOf(int row) const;
    // Whether the row's file is not beside the project yet.
    bool Away(int row) const;
    // The tint of such rows.
    static QColor AwayColour() { return QColor(255, 214, 153); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    TScene& scene_;
    std::vector<TFileRow> rows_;
    // Per row: the file is not beside the project (the next save copies it there).
    std::vector<bool> away_;
};

} // namespace velkon
