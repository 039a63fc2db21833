#include "panels/animation/debugerform.h"

#include "edit/debuggergrid.h"
#include "editor/editordocument.h"
#include "editor/velkonapplication.h"
#include "model/scene.h"
#include "panels/animation/debuggermodel.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTextLayout>
#include <QTextOption>
#include <QVBoxLayout>
#include <cmath>

namespace velkon {

namespace {

constexpr int ColumnWidth = 120;
constexpr int RowHeight = 21;
constexpr int Margin = 2;

// Words wrap at spaces; a word wider than the column (a keyframe's key) wraps
// inside, so that none of it is cut off.
QTextOption WrapOption() {
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

// Height of text laid out in lines of width pixels.
int TextHeight(const QString& text, const QFont& font, int width) {
    QString laid = text;
    laid.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(laid, font);
    layout.setTextOption(WrapOption());
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        height += line.height();
    }
    layout.endLayout();
    return static_cast<int>(std::ceil(height));
}

// Paints a cell in the look the grid gives it (the marks win over the
// selection) and asks for a row tall enough for its wrapped text.
class TDebugCellDelegate : public QStyledItemDelegate {
public:
    explicit TDebugCellDelegate(QTableView* view) : QStyledItemDelegate(view), view_(view) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const auto* model = qobject_cast<const TDebuggerModel*>(index.model());
        if (!model) return QStyledItemDelegate::paint(painter, option, index);
        const TDebugCellLook look =
            model->Grid().Look(index.row(), index.column(), option.state & QStyle::State_Selected);
        painter->save();
        painter->fillRect(option.rect, TDebuggerModel::Background(look, option.palette));
        QFont font = option.font;
        font.setBold(look.Bold);
        painter->setFont(font);
        painter->setPen(TDebuggerModel::Foreground(look, option.palette));
        painter->drawText(QRectF(option.rect.adjusted(Margin, Margin, -Margin, -Margin)),
                          index.data().toString(), WrapOption());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QString text = index.data().toString();
        QFont font = option.font;
        font.setBold(index.column() == 0);
        const int width = std::max(view_->columnWidth(index.column()) - 2 * Margin, 1);
        return {width,
                std::max(RowHeight, text.isEmpty() ? 0 : TextHeight(text, font, width) + 2 * Margin + 1)};
    }

private:
    QTableView* view_;
};

} // namespace

TDebugerForm::TDebugerForm(TEditorDocument& document, QWidget* parent)
    : QDialog(parent), document_(document) {
    setObjectName(QStringLiteral("DebugerForm"));
    setWindowTitle(tr("Hibakereső"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    Rows = new TDebuggerModel(TDebuggerGrid(document_.Scene, document_.Scene.CurrentLayer), this);
    DebugerGrid = new QTableView(this);
    DebugerGrid->setObjectName(QStringLiteral("DebugerGrid"));
    DebugerGrid->setItemDelegate(new TDebugCellDelegate(DebugerGrid));
    DebugerGrid->setModel(Rows);
    DebugerGrid->verticalHeader()->hide();
    DebugerGrid->horizontalHeader()->setDefaultSectionSize(ColumnWidth);
    DebugerGrid->horizontalHeader()->setHighlightSections(false);
    DebugerGrid->verticalHeader()->setMinimumSectionSize(RowHeight);
    DebugerGrid->verticalHeader()->setDefaultSectionSize(RowHeight);
    DebugerGrid->setShowGrid(true);
    DebugerGrid->setWordWrap(true);
    DebugerGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DebugerGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    DebugerGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int column = 0; column < TDebuggerGrid::ColumnCount; ++column)
        DebugerGrid->setColumnWidth(column, ColumnWidth);
    DebugerGrid->resizeRowsToContents();
    // A narrower or wider column wraps its texts anew.
    connect(DebugerGrid->horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        TVelkonApplication::Guard(DebugerGrid, [this] { DebugerGrid->resizeRowsToContents(); });
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(DebugerGrid);
    // The whole screen also where no window manager maximises.
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TDebugerForm::Open(TEditorDocument& document, QWidget* parent) {
    if (!document.Scene.CurrentLayer) return;
    TDebugerForm form(document, parent);
    form.exec();
}

} // namespace velkon
