#include "panels/animation/debuggermodel.h"

#include "editor/uihelpers.h"
#include <QApplication>
#include <QFont>
#include <QPalette>

namespace velkon {

TDebuggerModel::TDebuggerModel(TDebuggerGrid grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(std::move(grid)) {}

int TDebuggerModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.RowCount();
}

int TDebuggerModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : TDebuggerGrid::ColumnCount;
}

QVariant TDebuggerModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= grid_.RowCount()) return {};
    switch (role) {
    case Qt::DisplayRole:
        return DisplayText(grid_.Cell(index.row(), index.column()));
    case Qt::BackgroundRole:
        return Background(grid_.Look(index.row(), index.column(), false), QApplication::palette());
    case Qt::ForegroundRole:
        return Foreground(grid_.Look(index.row(), index.column(), false), QApplication::palette());
    case Qt::FontRole:
        if (index.column() == 0) {
            QFont bold = QApplication::font();
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignTop));
    }
    return {};
}

QVariant TDebuggerModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) return TDebuggerGrid::HeaderText(section);
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

QString TDebuggerModel::DisplayText(const QString& cell) {
    QString text = cell;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

QColor TDebuggerModel::Background(const TDebugCellLook& look, const QPalette& palette) {
    switch (look.Shade) {
    case TDebugCellLook::shButtonFace:
        return palette.color(QPalette::Button);
    case TDebugCellLook::shHighlight:
        return palette.color(QPalette::Highlight);
    case TDebugCellLook::shColour: // 0x00BBGGRR
        return ToQColor(look.Colour);
    case TDebugCellLook::shWindow:
        break;
    }
    return palette.color(QPalette::Base);
}

QColor TDebuggerModel::Foreground(const TDebugCellLook& look, const QPalette& palette) {
    return palette.color(look.HighlightText ? QPalette::HighlightedText : QPalette::Text);
}

} // namespace velkon
