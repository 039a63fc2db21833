#pragma once

#include "edit/debuggergrid.h"

#include <QAbstractTableModel>
#include <QColor>

class QPalette;

namespace velkon {

// The debugger grid as a read-only table: one row per grid row, 13 columns,
// the track names as headers.
class TDebuggerModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TDebuggerModel(TDebuggerGrid grid, QObject* parent = nullptr);

    const TDebuggerGrid& Grid() const { return grid_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // Display: the cell's lines; background, foreground and font: its look
    // when not selected.
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // A cell's text as shown (one line per line of the cell).
    static QString DisplayText(const QString& cell);
    static QColor Background(const TDebugCellLook& look, const QPalette& palette);
    static QColor Foreground(const TDebugCellLook& look, const QPalette& palette);

private:
    TDebuggerGrid grid_;
};

} // namespace velkon
